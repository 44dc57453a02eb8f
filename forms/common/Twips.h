// SPDX-License-Identifier: MIT
// Layout in twips (1/1440 inch), converted with the screen's logical resolution.
#pragma once

#include <QRect>

class QWidget;

namespace Twips {

// Twips per pixel of the primary screen: 1440 / logical dpi (15 at 96 dpi).
float TwipsPerPixelX();
float TwipsPerPixelY();

int ToPixelsX(double twips);
int ToPixelsY(double twips);

// A rectangle given as left, top, width and height in twips.
QRect ToPixels(int left, int top, int width, int height);

// Places a control at a rectangle in twips.
void Place(QWidget* control, int left, int top, int width, int height);

// Places a label that sizes itself to its text at left and top in twips.
void PlaceAutoSized(QWidget* label, int left, int top);

// Gives a window a fixed client area in twips: no resizing, no maximise.
void FixClientSize(QWidget* window, int width, int height);

}  // namespace Twips
