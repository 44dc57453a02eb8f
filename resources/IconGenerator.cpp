// SPDX-License-Identifier: MIT
// Draws the application icon at every size a Linux desktop asks for and writes them as PNG files.
// Usage: vaporlane_icons OUTPUT_FOLDER
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// A drop of water, its tip up, in a 100 x 100 design square.
QPainterPath dropPath()
{
    QPainterPath drop;
    drop.moveTo(38, 36);
    drop.cubicTo(44, 52, 60, 62, 60, 74);
    drop.cubicTo(60, 86, 50, 92, 38, 92);
    drop.cubicTo(26, 92, 16, 86, 16, 74);
    drop.cubicTo(16, 62, 32, 52, 38, 36);
    drop.closeSubpath();
    return drop;
}

// A rising wisp of steam: two S-bends from (x, bottom) up to (x, top).
QPainterPath wispPath(double x, double bottom, double top, double sway)
{
    const double half = (bottom - top) / 2.0;
    const double middle = bottom - half;
    QPainterPath wisp;
    wisp.moveTo(x, bottom);
    wisp.cubicTo(x + sway, bottom - half / 3, x + sway, middle + half / 3, x, middle);
    wisp.cubicTo(x - sway, middle - half / 3, x - sway, top + half / 3, x, top);
    return wisp;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    // Tile: deep blue, lighter towards the top.
    QLinearGradient sky(0, 0, 0, 100);
    sky.setColorAt(0.0, QColor(0x2f, 0x8f, 0xd0));
    sky.setColorAt(1.0, QColor(0x0b, 0x3a, 0x66));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    const double margin = size <= 24 ? 0.0 : 4.0;
    const double radius = size <= 24 ? 14.0 : 18.0;
    painter.drawRoundedRect(QRectF(margin, margin, 100 - 2 * margin, 100 - 2 * margin), radius, radius);

    // The drop, light and glassy.
    QRadialGradient water(32, 70, 30);
    water.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    water.setColorAt(1.0, QColor(0x9f, 0xd8, 0xff));
    painter.setBrush(water);
    painter.drawPath(dropPath());

    // Steam rising to the right of the drop; small sizes get fewer, bolder wisps.
    const double width = size <= 24 ? 9.0 : (size <= 48 ? 7.0 : 6.0);
    QPen steam(QColor(255, 255, 255, 235), width, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(steam);
    painter.setBrush(Qt::NoBrush);
    if (size > 24) {
        painter.drawPath(wispPath(60, 70, 20, 8));
        painter.drawPath(wispPath(76, 80, 14, 8));
    } else {
        painter.drawPath(wispPath(64, 76, 18, 9));
        painter.drawPath(wispPath(82, 76, 18, 9));
    }

    painter.end();
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : kSizes) {
        const QString path = folder.filePath(QStringLiteral("vaporlane-%1.png").arg(size));
        if (!drawIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
