#pragma once
// Red/green/blue and hue/saturation/luminance on the editor's integer scales:
// components 0..255, hue 0..239 (239 and 0 are both red), saturation and
// luminance 0..240. The arithmetic runs in single precision, every stored
// quotient rounded to float, so the dialog reproduces the same numbers the
// user has always seen (including the inexact round trips).

#include <cstdint>

#include "raster/Colour.h"

namespace gs {

struct RGBTriple {
  std::int16_t Red = 0;
  std::int16_t Green = 0;
  std::int16_t Blue = 0;
  friend bool operator==(const RGBTriple&, const RGBTriple&) = default;
};

struct HSLTriple {
  std::int16_t Hue = 0;
  std::int16_t Saturation = 0;
  std::int16_t Luminance = 0;
  friend bool operator==(const HSLTriple&, const HSLTriple&) = default;
};

inline constexpr int kHueMax = 239;
inline constexpr int kSaturationMax = 240;
inline constexpr int kLuminanceMax = 240;
inline constexpr int kComponentMax = 255;

// No clamping: inputs outside the nominal ranges may give components a little
// outside 0..255. Results too large for 16 bits saturate instead of wrapping.
RGBTriple HSLToRGB(std::int16_t hue, std::int16_t saturation, std::int16_t luminance);

// HSLToRGB composed into a colour value, each component clamped into 0..255.
Colour HSLToColor(std::int16_t hue, std::int16_t saturation, std::int16_t luminance);

// Components outside 0..255 are clamped first: the formulas divide by sums
// that only stay non-zero inside the range.
HSLTriple RGBToHSL(std::int16_t red, std::int16_t green, std::int16_t blue);

}  // namespace gs
