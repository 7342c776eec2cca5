// Value types only: mouse buttons, modifier keys, cursors and key codes.
#pragma once

namespace toolkit {

enum class MouseButton { kLeft, kRight, kMiddle };

// Modifier keys and mouse buttons held during an input event.
enum ShiftState : unsigned {
  kShiftKey = 1,
  kAltKey = 2,
  kCtrlKey = 4,
  kLeftButton = 8,
  kRightButton = 16,
  kMiddleButton = 32,
};

enum class Cursor { kDefault, kHandPoint };

// Virtual key codes used by the toolkit's callers, as on Windows.
inline constexpr int kKeyEscape = 27;

}  // namespace toolkit
