#include <gtest/gtest.h>

#include <ostream>

#include "color/ColourModels.h"

namespace gs {

std::ostream& operator<<(std::ostream& os, const RGBTriple& c) {
  return os << "rgb(" << c.Red << ", " << c.Green << ", " << c.Blue << ")";
}
std::ostream& operator<<(std::ostream& os, const HSLTriple& c) {
  return os << "hsl(" << c.Hue << ", " << c.Saturation << ", " << c.Luminance << ")";
}

namespace {

struct Conversion {
  const char* name;
  RGBTriple rgb;
  HSLTriple hsl;
  RGBTriple back;  // HSLToRGB(hsl): round trips are not always exact
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << c.name; }

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
        Conversion{"green", {0, 255, 0}, {79, 240, 120}, {4, 255, 0}},
        Conversion{"blue", {0, 0, 255}, {159, 240, 120}, {0, 2, 255}},
        // Red wins the tie with green; with blue the negative hue wraps by 240.
        Conversion{"yellow", {255, 255, 0}, {39, 240, 120}, {255, 249, 0}},
        Conversion{"magenta", {255, 0, 255}, {201, 240, 120}, {255, 0, 243}},
        Conversion{"cyanTieGoesToGreen", {0, 255, 255}, {119, 240, 120}, {0, 255, 251}},
        Conversion{"darkOrange", {200, 100, 0}, {20, 240, 94}, {199, 100, 0}},
        // h = -0.5: -119.5 rounds to the even -120, so 220 and not 221.
        Conversion{"hueHalfRoundsToEven", {200, 0, 100}, {220, 240, 94}, {199, 0, 95}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HSLToRGB, HueWrapsAt239AndSaturationZeroIsGrey) {
  EXPECT_EQ(HSLToRGB(239, 240, 120), (RGBTriple{255, 0, 0}));
  EXPECT_EQ(HSLToRGB(160, 0, 0), (RGBTriple{0, 0, 0}));
  EXPECT_EQ(HSLToRGB(77, 0, 240), (RGBTriple{255, 255, 255}));
  EXPECT_EQ(HSLToRGB(200, 0, 120), (RGBTriple{127, 127, 127}));
}

// HSLToRGB itself does not clamp; HSLToColor keeps every component in 0..255,
// even where the 16-bit results would overflow.
TEST(HSLToColor, ClampsEveryComponentForAnyInput) {
  EXPECT_GT(HSLToRGB(0, 0, 300).Red, 255);
  EXPECT_EQ(HSLToColor(0, 0, 300), 0xFFFFFFu);
  EXPECT_EQ(HSLToColor(0, 0, -240), 0x000000u);
  // Saturation 242 gives red 256 and green -2: clamped, not wrapped.
  EXPECT_EQ(HSLToColor(0, 242, 120), 0x0000FFu);
  EXPECT_EQ(HSLToColor(0, 0, 32767), 0xFFFFFFu);
  EXPECT_EQ(HSLToColor(0, 0, -32768), 0x000000u);
}

TEST(RGBToHSL, StaysOnTheScalesAndNeverGives200) {
  for (int r = 0; r <= 255; r += 15)
    for (int g = 0; g <= 255; g += 15)
      for (int b = 0; b <= 255; b += 15) {
        const HSLTriple c = RGBToHSL(r, g, b);
        ASSERT_GE(c.Hue, 0);
        ASSERT_LE(c.Hue, 239);
        ASSERT_NE(c.Hue, 200);
        ASSERT_GE(c.Saturation, 0);
        ASSERT_LE(c.Saturation, 240);
        ASSERT_GE(c.Luminance, 0);
        ASSERT_LE(c.Luminance, 240);
      }
}

}  // namespace
}  // namespace gs
