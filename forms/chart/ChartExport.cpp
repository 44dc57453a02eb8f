// SPDX-License-Identifier: MIT
#include "forms/chart/ChartExport.h"

#include "forms/chart/ChartPainter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

std::optional<ImageFormat> ImageFormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"png")
        return ImageFormat::kPng;
    if (suffix == u"svg")
        return ImageFormat::kSvg;
    return std::nullopt;
}

QByteArray RenderChart(ImageFormat format, const QSize& size, double ratio, const QFont& font, const ChartData& chart,
                       const WorldRect& view, const ChartOverlay& overlay)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (format == ImageFormat::kSvg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("Vaporlane 線図"));
        {
            QPainter painter(&svg);  // the file is complete once the painter ends
            painter.setFont(font);
            PaintChart(painter, area, chart, view, overlay);
        }
        return bytes;
    }
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        PaintChart(painter, area, chart, view, overlay);
    }
    image.save(&buffer, "PNG");
    return bytes;
}
