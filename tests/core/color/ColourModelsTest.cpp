#include <gtest/gtest.h>

#include "color/ColourModels.h"

namespace gs {
namespace {

// Known colours both ways; HSLToRGB(RGBToHSL(c)) is not always c again.
TEST(ColourModels, ConvertKnownColoursBothWays) {
  const struct { const char* name; RGBTriple rgb; HSLTriple hsl; RGBTriple back; } cases[] = {
      {"red", {255, 0, 0}, {0, 240, 120}, {255, 0, 0}},
      {"mid grey", {128, 128, 128}, {0, 0, 120}, {127, 127, 127}},
      // Saturation and luminance are truncated, not rounded: 3 / 255 × 240 = 2.8 gives 2.
      {"dark grey", {3, 3, 3}, {0, 0, 2}, {2, 2, 2}},
      {"low saturation", {10, 4, 4}, {0, 102, 6}, {9, 3, 3}},
      {"green", {0, 255, 0}, {79, 240, 120}, {4, 255, 0}},
      {"blue", {0, 0, 255}, {159, 240, 120}, {0, 2, 255}},
      // A negative hue wraps by 240, so 200 never occurs.
      {"magenta", {255, 0, 255}, {201, 240, 120}, {255, 0, 243}},
      // h = -0.5: -119.5 rounds to the even -120, so 220 and not 221.
      {"hue half rounds to even", {200, 0, 100}, {220, 240, 94}, {199, 0, 95}}};
  for (const auto& c : cases) {
    EXPECT_EQ(RGBToHSL(c.rgb.Red, c.rgb.Green, c.rgb.Blue), c.hsl) << c.name;
    EXPECT_EQ(HSLToRGB(c.hsl.Hue, c.hsl.Saturation, c.hsl.Luminance), c.back) << c.name;
  }
}

// Hue 239 wraps to red, saturation 0 is grey whatever the hue. HSLToRGB itself
// does not clamp; HSLToColor clamps each component, never wraps.
TEST(HSLToRGB, HueWrapsAt239SaturationZeroIsGreyAndHSLToColorClamps) {
  EXPECT_EQ(HSLToRGB(239, 240, 120), (RGBTriple{255, 0, 0}));
  EXPECT_EQ(HSLToRGB(200, 0, 120), (RGBTriple{127, 127, 127}));
  EXPECT_GT(HSLToRGB(0, 0, 300).Red, 255);
  EXPECT_EQ(HSLToColor(0, 0, 300), 0xFFFFFFu);
  EXPECT_EQ(HSLToColor(0, 242, 120), 0x0000FFu);  // red 256 and green -2
}

}  // namespace
}  // namespace gs
