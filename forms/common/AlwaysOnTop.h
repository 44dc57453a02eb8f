#pragma once

#include <QPoint>

class QWidget;

// Puts a window into or out of the topmost layer according to Module1::AlwaysOnTop, where it stands.
void ApplyAlwaysOnTop(QWidget* window);

// The window's Left and Top in twips, converted back to pixels and rounded half to even: the X and Y
// that the stacking call receives.
QPoint PixelPosition(const QWidget* window);
