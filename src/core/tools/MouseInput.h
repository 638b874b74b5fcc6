#pragma once
// Mouse buttons and key codes as the view passes them to the tools.

namespace gs {

enum MouseButton : unsigned {
  kNoButton = 0,
  kLeftButton = 1,    // paints the fore colour
  kRightButton = 2,   // paints the back colour
  kMiddleButton = 4,  // never paints
};
// A set of MouseButton bits: the buttons held at an event.
using MouseButtons = unsigned;

// Only a press, move or release of exactly one of the two painting buttons
// draws anything.
constexpr bool IsPaintingButton(MouseButtons b) { return b == kLeftButton || b == kRightButton; }

inline constexpr int kKeyDelete = 46;     // key code
inline constexpr int kCharEscape = 27;    // character code

}  // namespace gs
