#pragma once
// Colour values as the icon formats and the editor pass them: 0x00BBGGRR,
// red in the low byte. Everything in the core speaks this form.

#include <algorithm>
#include <cstdint>

namespace gs {

using Colour = std::uint32_t;

// What GetPixel answers for a point outside a surface.
inline constexpr Colour kInvalidColour = 0xFFFFFFFFu;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct ColourParts {
  int Red = 0;
  int Green = 0;
  int Blue = 0;
};

constexpr ColourParts SplitColour(Colour c) { return {RedOf(c), GreenOf(c), BlueOf(c)}; }

// Composes a colour from parts, clamping each into 0..255.
constexpr Colour ClampedRgb(int r, int g, int b) {
  return Rgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

}  // namespace gs
