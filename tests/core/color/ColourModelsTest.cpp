#include <gtest/gtest.h>

#include "color/ColourModels.h"

namespace gs {
namespace {

struct Conversion {
  const char* name;
  RGBTriple rgb;
  HSLTriple hsl;
  RGBTriple back;  // HSLToRGB(hsl): round trips are not always exact
};

class ConversionTable : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConversionTable, ConvertsBothWays) {
  const Conversion& c = GetParam();
  EXPECT_EQ(RGBToHSL(c.rgb.Red, c.rgb.Green, c.rgb.Blue), c.hsl);
  EXPECT_EQ(HSLToRGB(c.hsl.Hue, c.hsl.Saturation, c.hsl.Luminance), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    KnownColours, ConversionTable,
    ::testing::Values(
        Conversion{"red", {255, 0, 0}, {0, 240, 120}, {255, 0, 0}},
        Conversion{"white", {255, 255, 255}, {0, 0, 240}, {255, 255, 255}},
        Conversion{"black", {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        Conversion{"midGrey", {128, 128, 128}, {0, 0, 120}, {127, 127, 127}},
        // Saturation and luminance are truncated, not rounded: 3 / 255 × 240 = 2.8 gives 2.
        Conversion{"darkGreyLuminanceTruncated", {3, 3, 3}, {0, 0, 2}, {2, 2, 2}},
        Conversion{"saturationTruncated", {10, 4, 4}, {0, 102, 6}, {9, 3, 3}},
        Conversion{"green", {0, 255, 0}, {79, 240, 120}, {4, 255, 0}},
        Conversion{"blue", {0, 0, 255}, {159, 240, 120}, {0, 2, 255}},
        Conversion{"yellow", {255, 255, 0}, {39, 240, 120}, {255, 249, 0}},
        // A negative hue wraps by 240, so 200 never occurs.
        Conversion{"magenta", {255, 0, 255}, {201, 240, 120}, {255, 0, 243}},
        // h = -0.5: -119.5 rounds to the even -120, so 220 and not 221.
        Conversion{"hueHalfRoundsToEven", {200, 0, 100}, {220, 240, 94}, {199, 0, 95}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HSLToRGB, HueWrapsAt239AndSaturationZeroIsGrey) {
  EXPECT_EQ(HSLToRGB(239, 240, 120), (RGBTriple{255, 0, 0}));
  EXPECT_EQ(HSLToRGB(200, 0, 120), (RGBTriple{127, 127, 127}));
}

// HSLToRGB itself does not clamp; HSLToColor clamps each component, never wraps.
TEST(HSLToColor, ClampsEveryComponentForAnyInput) {
  EXPECT_GT(HSLToRGB(0, 0, 300).Red, 255);
  EXPECT_EQ(HSLToColor(0, 0, 300), 0xFFFFFFu);
  EXPECT_EQ(HSLToColor(0, 242, 120), 0x0000FFu);  // red 256 and green -2
}

}  // namespace
}  // namespace gs
