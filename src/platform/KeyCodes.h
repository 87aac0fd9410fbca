#pragma once

#include <Qt>

class QKeyEvent;

// The desktop's key codes: virtual-key codes for key-down events, character
// codes for typed keys, and the shift and button masks. The keys the windows
// handle by name have the same number as both codes where they have both.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46; // a virtual-key code only: Delete types nothing

int virtualKeyCode(const QKeyEvent& event);
int KeyAscii(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt.
int shiftMask(Qt::KeyboardModifiers modifiers);
// The mouse buttons as the desktop codes them: 1 left, 2 right, 4 middle.
int buttonMask(Qt::MouseButtons buttons);
