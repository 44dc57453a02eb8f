// SPDX-License-Identifier: MIT
#include "forms/common/WindowManager.h"

#include <QWidget>

namespace {
std::function<void(const SetWindowPosCall&)> observer;
}

void SetWindowPosObserver(std::function<void(const SetWindowPosCall&)> watch) { observer = std::move(watch); }

int SetWindowPos(HWND hWnd, intptr_t hWndInsertAfter, int X, int Y, int cx, int cy, unsigned uFlags)
{
    if (observer)
        observer({hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags});
    if (!hWnd || (hWndInsertAfter != HWND_TOPMOST && hWndInsertAfter != HWND_NOTOPMOST))
        return 0;

    const bool topmost = hWndInsertAfter == HWND_TOPMOST;
    if (hWnd->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return 1;

    // Changing a window flag recreates the native window and hides it; put it back as it was.
    const bool visible = hWnd->isVisible();
    const QRect geometry = hWnd->geometry();
    hWnd->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible) {
        hWnd->setGeometry(geometry);
        hWnd->show();
    }
    return 1;
}
