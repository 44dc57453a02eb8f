#include "forms/common/AlwaysOnTop.h"

#include "forms/common/Twips.h"
#include "forms/common/WindowManager.h"
#include "settings/Module1.h"

#include <QWidget>

#include <cmath>

QPoint PixelPosition(const QWidget* window)
{
    const float tppX = Twips::TwipsPerPixelX();
    const float tppY = Twips::TwipsPerPixelY();
    const float left = static_cast<float>(window->x()) * tppX;
    const float top = static_cast<float>(window->y()) * tppY;
    // nearbyint rounds in the default mode, to nearest with halves to even.
    return QPoint(static_cast<int>(std::nearbyint(left / tppX)), static_cast<int>(std::nearbyint(top / tppY)));
}

void ApplyAlwaysOnTop(QWidget* window)
{
    const intptr_t insertAfter = Module1::AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
    const QPoint position = PixelPosition(window);
    SetWindowPos(window, insertAfter, position.x(), position.y(), 1, 1, SWP_NOSIZE);
}
