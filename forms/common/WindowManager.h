// SPDX-License-Identifier: MIT
// The window-manager layer: the stacking call that windows make, with its classic arguments.
// Platform specifics live here and nowhere else.
#pragma once

#include <cstdint>
#include <functional>

class QWidget;

using HWND = QWidget*;

inline constexpr intptr_t HWND_TOPMOST = -1;
inline constexpr intptr_t HWND_NOTOPMOST = -2;
inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;

// Puts a window into (HWND_TOPMOST) or out of (HWND_NOTOPMOST) the topmost layer. Position and size
// stay as they are. Returns non-zero on success; callers ignore it.
int SetWindowPos(HWND hWnd, intptr_t hWndInsertAfter, int X, int Y, int cx, int cy, unsigned uFlags);

struct SetWindowPosCall {
    HWND hWnd;
    intptr_t hWndInsertAfter;
    int X, Y, cx, cy;
    unsigned uFlags;
};

// Tests watch the calls; an empty function stops watching.
void SetWindowPosObserver(std::function<void(const SetWindowPosCall&)> observer);
