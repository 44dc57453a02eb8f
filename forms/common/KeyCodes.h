// SPDX-License-Identifier: MIT
// The classic key codes that the input fields examine.
#pragma once

inline constexpr int vbKeyBack = 8;     // also the Backspace character's code
inline constexpr int vbKeyReturn = 13;  // also the Enter character's code
inline constexpr int vbKeyEscape = 27;  // also the Escape character's code
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyDelete = 46;
