// SPDX-License-Identifier: MIT
#include "forms/common/AlwaysOnTop.h"

#include "forms/common/Twips.h"
#include "forms/common/WindowManager.h"
#include "settings/Module1.h"

#include <QPoint>
#include <QWidget>

#include <cmath>

namespace {

// The window's Left and Top in twips, converted back to pixels and rounded half to even: the X and Y that the
// stacking call receives.
QPoint pixelPosition(const QWidget* window)
{
    const float tppX = Twips::TwipsPerPixelX();
    const float tppY = Twips::TwipsPerPixelY();
    const float left = static_cast<float>(window->x()) * tppX;
    const float top = static_cast<float>(window->y()) * tppY;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return QPoint(static_cast<int>(std::nearbyint(left / tppX)), static_cast<int>(std::nearbyint(top / tppY)));
}

}  // namespace

void ApplyAlwaysOnTop(QWidget* window)
{
    const intptr_t insertAfter = Module1::AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
    const QPoint position = pixelPosition(window);
    SetWindowPos(window, insertAfter, position.x(), position.y(), 1, 1, SWP_NOSIZE);
}
