#include "color/ColourModels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gs {
namespace {

// Every stored intermediate is single precision; expressions are evaluated in
// double and rounded once when stored.
float RoundToFloat(double v) { return static_cast<float>(v); }

std::int16_t SaturatedInt16(double v) {
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::clamp(v, lo, hi));
}

float HueToComponent(float p, float q, float t) {
  if (t < 0) t = RoundToFloat(double(t) + 1);
  if (t > 1) t = RoundToFloat(double(t) - 1);
  if (RoundToFloat(6.0 * t) < 1) return RoundToFloat(p + (double(q) - p) * 6.0 * t);
  if (RoundToFloat(2.0 * t) < 1) return q;
  if (RoundToFloat(3.0 * t) < 2) return RoundToFloat(p + (double(q) - p) * (2.0 / 3.0 - t) * 6.0);
  return p;
}

}  // namespace

RGBTriple HSLToRGB(std::int16_t hue, std::int16_t saturation, std::int16_t luminance) {
  const float h = RoundToFloat(hue / 239.0);
  const float s = RoundToFloat(saturation / 240.0);
  const float l = RoundToFloat(luminance / 240.0);
  float red = l, green = l, blue = l;
  if (s != 0) {
    const float q = l < 0.5f ? RoundToFloat(double(l) * (1.0 + s)) : RoundToFloat(double(l) + s - double(l) * s);
    const float p = RoundToFloat(2.0 * l - q);
    red = HueToComponent(p, q, RoundToFloat(h + 1.0 / 3.0));
    green = HueToComponent(p, q, h);
    blue = HueToComponent(p, q, RoundToFloat(h - 1.0 / 3.0));
  }
  return {SaturatedInt16(std::floor(double(red) * 255)),
          SaturatedInt16(std::floor(double(green) * 255)),
          SaturatedInt16(std::floor(double(blue) * 255))};
}

Colour HSLToColor(std::int16_t hue, std::int16_t saturation, std::int16_t luminance) {
  const RGBTriple c = HSLToRGB(hue, saturation, luminance);
  return ClampedRgb(c.Red, c.Green, c.Blue);
}

HSLTriple RGBToHSL(std::int16_t red, std::int16_t green, std::int16_t blue) {
  const float r = RoundToFloat(std::clamp<int>(red, 0, 255) / 255.0);
  const float g = RoundToFloat(std::clamp<int>(green, 0, 255) / 255.0);
  const float b = RoundToFloat(std::clamp<int>(blue, 0, 255) / 255.0);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float l = RoundToFloat((double(max) + min) / 2);
  float s = 0, h = 0;
  if (max != min) {
    s = l < 0.5f ? RoundToFloat((double(max) - min) / (double(max) + min))
                 : RoundToFloat((double(max) - min) / (2.0 - max - min));
    const float d = RoundToFloat(double(max) - min);
    if (r == max)
      h = RoundToFloat((double(g) - b) / d);
    else if (g == max)
      h = RoundToFloat(2 + (double(b) - r) / d);
    else
      h = RoundToFloat(4 + (double(r) - g) / d);
  }
  // Rounded with halves to even, then truncated towards zero; a negative hue
  // wraps by 240, so 200 never occurs.
  int hueValue = static_cast<int>(std::nearbyint(double(h) * 239)) / 6;
  if (hueValue < 0) hueValue += 240;
  return {static_cast<std::int16_t>(hueValue),
          static_cast<std::int16_t>(std::floor(double(s) * 240)),
          static_cast<std::int16_t>(std::floor(double(l) * 240))};
}

}  // namespace gs
