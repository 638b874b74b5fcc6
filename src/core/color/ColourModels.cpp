#include "color/ColourModels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gs {
namespace {

// Every stored intermediate is single precision; expressions are evaluated in
// double and rounded once when stored.
float F(double v) { return static_cast<float>(v); }

std::int16_t SaturatedInt16(double v) {
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::clamp(v, lo, hi));
}

float HueToComponent(float p, float q, float t) {
  if (t < 0) t = F(double(t) + 1);
  if (t > 1) t = F(double(t) - 1);
  if (F(6.0 * t) < 1) return F(p + (double(q) - p) * 6.0 * t);
  if (F(2.0 * t) < 1) return q;
  if (F(3.0 * t) < 2) return F(p + (double(q) - p) * (2.0 / 3.0 - t) * 6.0);
  return p;
}

}  // namespace

RGBTriple HSLToRGB(std::int16_t hue, std::int16_t saturation, std::int16_t luminance) {
  const float h = F(hue / 239.0);
  const float s = F(saturation / 240.0);
  const float l = F(luminance / 240.0);
  float red = l, green = l, blue = l;
  if (s != 0) {
    const float q = l < 0.5f ? F(double(l) * (1.0 + s)) : F(double(l) + s - double(l) * s);
    const float p = F(2.0 * l - q);
    red = HueToComponent(p, q, F(h + 1.0 / 3.0));
    green = HueToComponent(p, q, h);
    blue = HueToComponent(p, q, F(h - 1.0 / 3.0));
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
  const float r = F(std::clamp<int>(red, 0, 255) / 255.0);
  const float g = F(std::clamp<int>(green, 0, 255) / 255.0);
  const float b = F(std::clamp<int>(blue, 0, 255) / 255.0);
  const float max = std::max({r, g, b});
  const float min = std::min({r, g, b});
  const float l = F((double(max) + min) / 2);
  float s = 0, h = 0;
  if (max != min) {
    s = l < 0.5f ? F((double(max) - min) / (double(max) + min))
                 : F((double(max) - min) / (2.0 - max - min));
    const float d = F(double(max) - min);
    if (r == max)
      h = F((double(g) - b) / d);
    else if (g == max)
      h = F(2 + (double(b) - r) / d);
    else
      h = F(4 + (double(r) - g) / d);
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
