// SPDX-License-Identifier: MIT
#include "forms/common/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Twips {

namespace {
constexpr float kTwipsPerInch = 1440.0f;

float twipsPerPixel(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? (horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()) : 96.0;
    return kTwipsPerInch / static_cast<float>(dpi > 0 ? dpi : 96.0);
}
}  // namespace

float TwipsPerPixelX() { return twipsPerPixel(true); }
float TwipsPerPixelY() { return twipsPerPixel(false); }

int ToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int ToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

QRect ToPixels(int left, int top, int width, int height)
{
    return QRect(ToPixelsX(left), ToPixelsY(top), ToPixelsX(width), ToPixelsY(height));
}

void Place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(ToPixels(left, top, width, height));
}

void PlaceAutoSized(QWidget* label, int left, int top)
{
    label->adjustSize();
    label->move(ToPixelsX(left), ToPixelsY(top));
}

void FixClientSize(QWidget* window, int width, int height)
{
    window->setFixedSize(ToPixelsX(width), ToPixelsY(height));
}

}  // namespace Twips
