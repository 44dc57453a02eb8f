// SPDX-License-Identifier: MIT
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

// Screen readers read the report as static text, whole or line by line through the text interface.
class AccessibleReport final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleReport(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || t == QAccessible::Description)
            return report().Text();
        return QAccessibleWidget::text(t);
    }

    // Read-only text without a caret or a selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

    QString text(int startOffset, int endOffset) const override
    {
        return report().Text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(report().Text().size()); }

    QRect characterRect(int offset) const override
    {
        const QRect rect = report().CharacterRect(offset);
        return rect.isNull() ? rect : rect.translated(report().mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override { return report().OffsetAt(report().mapFromGlobal(point)); }

    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

private:
    const ReportArea& report() const { return *static_cast<const ReportArea*>(widget()); }
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
    const QString before = Text();
    lines_.clear();
    textChanged(before);
}

void ReportArea::Print(const QString& line)
{
    const QString before = Text();
    lines_.append(line);
    textChanged(before);
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
    if (!lines_.isEmpty())
        QGuiApplication::clipboard()->setText(Text());
}

QSize ReportArea::sizeHint() const
{
    if (lines_.isEmpty())
        return QSize(0, 0);
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : lines_)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int pitch = linePitch();
    return QSize(width, static_cast<int>(lines_.size() - 1) * pitch + std::max(pitch, metrics.height()));
}

QRect ReportArea::CharacterRect(int offset) const
{
    if (offset < 0)
        return QRect();
    const QFontMetrics metrics(font());
    const int pitch = linePitch();
    for (qsizetype row = 0; row < lines_.size(); ++row) {
        const QString& line = lines_[row];
        if (offset <= line.size()) {
            const int left = metrics.horizontalAdvance(line.left(offset));
            const int width = offset < line.size() ? metrics.horizontalAdvance(line.mid(offset, 1)) : 0;
            return QRect(left, static_cast<int>(row) * pitch, width, pitch);
        }
        offset -= static_cast<int>(line.size()) + 1;  // the line and its line feed
    }
    return QRect();
}

int ReportArea::OffsetAt(const QPoint& point) const
{
    const int pitch = linePitch();
    if (point.x() < 0 || point.y() < 0 || point.y() / pitch >= lines_.size())
        return -1;
    const qsizetype row = point.y() / pitch;
    int start = 0;
    for (qsizetype r = 0; r < row; ++r)
        start += static_cast<int>(lines_[r].size()) + 1;
    const QFontMetrics metrics(font());
    const QString& line = lines_[row];
    for (qsizetype column = 0; column < line.size(); ++column) {
        if (point.x() < metrics.horizontalAdvance(line.left(column + 1)))
            return start + static_cast<int>(column);
    }
    return -1;
}

void ReportArea::textChanged(const QString& before)
{
    updateGeometry();
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent text(this, 0, before, Text());
        QAccessible::updateAccessibility(&text);
        QAccessibleEvent value(this, QAccessible::ValueChanged);
        QAccessible::updateAccessibility(&value);
    }
}

// Not exec(): the menu pops up in the window's own event loop and closes itself, so nothing waits on it.
void ReportArea::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QStringLiteral("コピー"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    copy->setEnabled(!lines_.isEmpty());
    connect(copy, &QAction::triggered, this, &ReportArea::Copy);
    menu->popup(event->globalPos());
}

void ReportArea::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Lines follow each other at the font's em, like the classic report area's: the eight lines of the
// longest report then fit, also in fonts whose rounded ascent and descent add up to more.
int ReportArea::linePitch() const { return std::max(QFontInfo(font()).pixelSize(), 1); }

void ReportArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int pitch = linePitch();
    int baseline = metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(0, baseline, line);
        baseline += pitch;
    }
}
