#include "forms/common/ReportArea.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kReportPointSize = 9;

// Candidates in order of preference; the first installed one that keeps the two-column rule wins.
const char16_t* const kReportFamilies[] = {
    u"ＭＳ ゴシック",
    u"IPAGothic",
    u"Noto Sans Mono CJK JP",
    u"VL Gothic",
    u"TakaoGothic",
};

bool keepsColumns(const QFont& font)
{
    return ColumnsOf(QStringLiteral("圧"), font) == 2.0 && ColumnsOf(QStringLiteral("0"), font) == 1.0;
}

QFont chooseReportFont()
{
    for (const char16_t* family : kReportFamilies) {
        QFont font(QString::fromUtf16(family), kReportPointSize);
        font.setStyleHint(QFont::TypeWriter);
        if (QFontInfo(font).family() == font.family() && keepsColumns(font))
            return font;
    }
    QFont fallback = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fallback.setPointSize(kReportPointSize);
    return fallback;
}

// Screen readers read the report as static text.
class AccessibleReport final : public QAccessibleWidget {
public:
    explicit AccessibleReport(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return static_cast<const ReportArea*>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleReportFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ReportArea") && object && object->isWidgetType())
        return new AccessibleReport(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

QFont ReportFont()
{
    static const QFont font = chooseReportFont();
    return font;
}

double ColumnsOf(const QString& text, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance(text) / metrics.horizontalAdvance(QLatin1Char(' '));
}

ReportArea::ReportArea(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleReportFactory), true);
    Q_UNUSED(factoryInstalled);
    setFont(ReportFont());
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("計算結果"));
}

void ReportArea::Cls()
{
    lines_.clear();
    textChanged();
}

void ReportArea::Print(const QString& line)
{
    lines_.append(line);
    textChanged();
}

QString ReportArea::Text() const
{
    QString text;
    for (const QString& line : lines_)
        text += line + QLatin1Char('\n');
    return text;
}

void ReportArea::Copy() const
{
    QGuiApplication::clipboard()->setText(Text());
}

void ReportArea::textChanged()
{
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ValueChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void ReportArea::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("コピー"));
    copy->setEnabled(!lines_.isEmpty());
    connect(copy, &QAction::triggered, this, &ReportArea::Copy);
    menu.exec(event->globalPos());
}

void ReportArea::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReportArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    // Lines follow each other at the font's em, like the classic report area's: the eight lines of the
    // longest report then fit, also in fonts whose rounded ascent and descent add up to more.
    const int pitch = std::max(QFontInfo(font()).pixelSize(), 1);
    int baseline = metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(0, baseline, line);
        baseline += pitch;
    }
}
