#pragma once

#include <Qt>

#include "state/AppState.h"

namespace rollkin {

// Mouse buttons as the handlers see them: one button at a press or release, a mask in a move.
constexpr Integer vbLeftButton = 1;
constexpr Integer vbRightButton = 2;
constexpr Integer vbMiddleButton = 4;

// Modifier mask of the handlers' Shift argument. The Meta (Windows) key is not a modifier here.
constexpr Integer vbShiftMask = 1;
constexpr Integer vbCtrlMask = 2;
constexpr Integer vbAltMask = 4;

// Key codes of the key handlers.
constexpr Integer vbKeyF1 = 112;

// The Button argument of a press or release; 0 for buttons the program has no number for.
Integer ButtonOf(Qt::MouseButton button);
// The Button argument of a move: the mask of the left, right and middle buttons held.
Integer ButtonsOf(Qt::MouseButtons buttons);
// The Shift argument.
Integer ShiftOf(Qt::KeyboardModifiers modifiers);
// The KeyCode argument: F1..F12 as 112..123, letters and digits as their upper-case ASCII code,
// anything else 0.
Integer KeyCodeOf(int qtKey);

}  // namespace rollkin
