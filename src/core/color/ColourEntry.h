#pragma once
// What the colour palette dialog makes of a value typed into one of its boxes:
// the six component boxes beside the sliders, and the decimal and hexadecimal
// boxes of the whole colour value.

#include <cstdint>
#include <optional>
#include <string_view>

namespace gs {

enum class ColourBox { Red, Green, Blue, Hue, Saturation, Luminance, Decimal, Hexadecimal };

constexpr bool IsColourValueBox(ColourBox box) { return box == ColourBox::Decimal || box == ColourBox::Hexadecimal; }
constexpr bool IsHslBox(ColourBox box) {
  return box == ColourBox::Hue || box == ColourBox::Saturation || box == ColourBox::Luminance;
}

// The number a box takes from its text, or nothing when it refuses the text:
// a component box takes a whole decimal number in 16 bits, the decimal box one
// from the 32-bit minimum up to white (0xFFFFFF), the hexadecimal box one to
// eight digits (a 32-bit two's complement) up to white.
std::optional<std::int64_t> ReadColourBox(ColourBox box, std::string_view text);

// The value a component's slider takes: `value` when it lies between 0 and the
// component's maximum (255, or 239 for hue, 240 for saturation and luminance).
std::optional<int> SliderValue(ColourBox component, std::int64_t value);

// A colour value taken apart for the red, green and blue sliders: red is the
// value modulo 256 keeping its sign, green the same of the value divided by
// 256 (rounded down), blue what is left. Parts of a negative value fall
// outside the sliders somewhere, so such a value stops at that slider.
struct ColourValueParts {
  std::int64_t red = 0;
  std::int64_t green = 0;
  std::int64_t blue = 0;
};
ColourValueParts SplitColourValue(std::int64_t value);

}  // namespace gs
