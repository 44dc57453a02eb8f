#include "forms/common/ReportArea.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

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
    setFont(ReportFont());
    setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
}

void ReportArea::Cls()
{
    lines_.clear();
    update();
}

void ReportArea::Print(const QString& line)
{
    lines_.append(line);
    update();
}

void ReportArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    int baseline = metrics.ascent();
    for (const QString& line : lines_) {
        painter.drawText(0, baseline, line);
        baseline += metrics.height();
    }
}
