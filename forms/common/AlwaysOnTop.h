// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Puts a window into or out of the topmost layer according to Module1::AlwaysOnTop, where it stands.
void ApplyAlwaysOnTop(QWidget* window);
