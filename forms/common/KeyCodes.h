// The classic key and character codes that the input fields examine.
#pragma once

inline constexpr int vbKeyBack = 8;  // also the Backspace character
inline constexpr int vbKeyReturn = 13;  // also the Enter character
inline constexpr int vbKeyEscape = 27;
inline constexpr int vbKeyUp = 38;
inline constexpr int vbKeyDown = 40;
inline constexpr int vbKeyDelete = 46;
