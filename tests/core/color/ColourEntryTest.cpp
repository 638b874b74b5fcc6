#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "color/ColourEntry.h"
#include "color/ColourText.h"

namespace gs {
namespace {

// Each text read both ways: as a whole decimal and as hexadecimal ({} where refused).
TEST(ColourText, ReadsOnlyWellFormedNumbers) {
  const struct { const char* text; std::optional<std::int64_t> decimal; std::optional<std::int32_t> hex; } cases[] = {
      {"300", 300, 0x300}, {"-1", -1, {}},    {"+7", 7, {}},         {"4.0", 4, {}},        {"2.5", {}, {}},
      {"", {}, {}},        {"1.2.3", {}, {}}, {" 12", {}, {}},       {"1e3", {}, 0x1E3},    {"aBc", {}, 0xABC},
      {"FFFFFFFF", {}, -1}, {"100000000", 100000000, {}}, {"0x10", {}, {}}, {"inf", {}, {}},
      {"99999999999999999999", {}, {}}};
  for (const auto& c : cases) {
    EXPECT_EQ(ParseWholeDecimalText(c.text), c.decimal) << '"' << c.text << '"';
    EXPECT_EQ(ParseHexText(c.text), c.hex) << '"' << c.text << '"';
  }
}

// What each box takes: whole decimals in 16 bits beside the sliders, the colour
// value from the 32-bit minimum up to white, hexadecimal up to white.
TEST(ReadColourBox, TakesWhatFitsTheBoxAndRefusesTheRest) {
  using enum ColourBox;
  const struct { ColourBox box; const char* text; std::optional<std::int64_t> value; } cases[] = {
      {Red, "-32768", -32768},      {Hue, "-32769", {}},               {Red, "32767", 32767},
      {Red, "32768", {}},           {Green, "ff", {}},                 {Decimal, "16777215", 16777215},
      {Decimal, "16777216", {}},    {Decimal, "-2147483648", INT32_MIN}, {Decimal, "-2147483649", {}},
      {Hexadecimal, "FFFFFF", 0xFFFFFF}, {Hexadecimal, "1000000", {}}, {Hexadecimal, "FFFFFFFF", -1}};
  for (const auto& c : cases)
    EXPECT_EQ(ReadColourBox(c.box, c.text), c.value) << static_cast<int>(c.box) << " \"" << c.text << '"';
}

// Each slider's range: 0 to 255 for red, green and blue, 239 for hue, 240 for
// saturation and luminance.
TEST(SliderValue, KeepsEachComponentInItsSlidersRange) {
  using enum ColourBox;
  const struct { ColourBox box; std::int64_t value; std::optional<int> slider; } cases[] = {
      {Red, 0, 0},     {Red, -1, {}},   {Blue, 255, 255},       {Green, 256, {}},
      {Hue, 239, 239}, {Hue, 240, {}},  {Luminance, 240, 240}, {Saturation, 241, {}}};
  for (const auto& c : cases)
    EXPECT_EQ(SliderValue(c.box, c.value), c.slider) << static_cast<int>(c.box) << ": " << c.value;
}

// Red is the low byte; a negative value keeps its sign in the first part that
// is not whole, rounding down on the way.
TEST(SplitColourValue, TakesTheValueApartLowByteFirst) {
  const struct { std::int64_t value, red, green, blue; } cases[] = {
      {0x123456, 0x56, 0x34, 0x12}, {-1, -1, -1, -1}, {-256, 0, -1, -1}, {-65536, 0, 0, -1}};
  for (const auto& c : cases) {
    const ColourValueParts parts = SplitColourValue(c.value);
    EXPECT_EQ(parts.red, c.red) << c.value;
    EXPECT_EQ(parts.green, c.green) << c.value;
    EXPECT_EQ(parts.blue, c.blue) << c.value;
  }
}

}  // namespace
}  // namespace gs
