#include "forms/common/AlwaysOnTop.h"

#include "forms/common/Twips.h"
#include "forms/common/WindowManager.h"
#include "settings/Module1.h"

#include <QWidget>

#include <cmath>

void ApplyAlwaysOnTop(QWidget* window)
{
    const intptr_t insertAfter = Module1::AlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;

    // The window's Left and Top in twips, back to pixels, rounded half to even.
    const float tppX = Twips::TwipsPerPixelX();
    const float tppY = Twips::TwipsPerPixelY();
    const float left = static_cast<float>(window->x()) * tppX;
    const float top = static_cast<float>(window->y()) * tppY;
    const int x = static_cast<int>(std::nearbyint(left / tppX));
    const int y = static_cast<int>(std::nearbyint(top / tppY));

    SetWindowPos(window, insertAfter, x, y, 1, 1, SWP_NOSIZE);
}
