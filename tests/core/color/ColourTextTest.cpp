#include <gtest/gtest.h>

#include "color/ColourText.h"

namespace gs {
namespace {

TEST(ColourText, WritesDecimalAndHexWithDigitsBlueGreenRed) {
  EXPECT_EQ(ColourDecimalText(0xFFFFFF), "16777215");
  EXPECT_EQ(ColourDecimalText(255), "255");
  EXPECT_EQ(ColourDecimalText(-1), "-1");
  EXPECT_EQ(ColourHexText(0x0000FF), "FF");
  EXPECT_EQ(ColourHexText(0xFF0000), "FF0000");
  EXPECT_EQ(ColourHexText(0x00ABCD), "ABCD");
  EXPECT_EQ(ColourHexText(0), "0");
  EXPECT_EQ(ColourHexText(-1), "FFFFFFFF");
}

struct DecimalCase {
  const char* text;
  std::optional<double> value;
};

class DecimalParsing : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalParsing, AcceptsSignDigitsAndFractionOnly) {
  EXPECT_EQ(ParseDecimalText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalParsing,
    ::testing::Values(DecimalCase{"-1", -1}, DecimalCase{"+7", 7}, DecimalCase{"2.5", 2.5},
                      DecimalCase{".5", 0.5}, DecimalCase{"5.", 5}, DecimalCase{"", std::nullopt},
                      DecimalCase{"-", std::nullopt}, DecimalCase{"1.2.3", std::nullopt},
                      DecimalCase{" 12", std::nullopt}, DecimalCase{"1e3", std::nullopt},
                      DecimalCase{"ff", std::nullopt}));

TEST(ColourText, WholeDecimalRefusesFractionsAndHugeNumbers) {
  EXPECT_EQ(ParseWholeDecimalText("300"), 300);
  EXPECT_EQ(ParseWholeDecimalText("16777216"), 16777216);
  EXPECT_EQ(ParseWholeDecimalText("-1"), -1);
  EXPECT_EQ(ParseWholeDecimalText("4.0"), 4);
  EXPECT_EQ(ParseWholeDecimalText("2.5"), std::nullopt);
  EXPECT_EQ(ParseWholeDecimalText(""), std::nullopt);
  EXPECT_EQ(ParseWholeDecimalText("99999999999999999999"), std::nullopt);
}

struct HexCase {
  const char* text;
  std::optional<std::int32_t> value;
};

class HexParsing : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexParsing, AcceptsOneToEightDigitsAsSigned32Bit) {
  EXPECT_EQ(ParseHexText(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HexParsing,
    ::testing::Values(HexCase{"ff0000", 0xFF0000}, HexCase{"aBc", 0xABC}, HexCase{"1000000", 0x1000000},
                      HexCase{"FFFFFFFF", -1}, HexCase{"80000000", INT32_MIN},
                      HexCase{"100000000", std::nullopt}, HexCase{"", std::nullopt},
                      HexCase{"0x10", std::nullopt}, HexCase{"-1", std::nullopt}, HexCase{"G", std::nullopt}));

// Everything the dialog writes it can read back.
TEST(ColourText, RoundTripsEveryShapeOfValue) {
  for (std::int32_t v : {0, 1, 255, 256, 0xABCDEF, 0xFFFFFF, -1, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(ParseHexText(ColourHexText(v)), v);
    EXPECT_EQ(ParseWholeDecimalText(ColourDecimalText(v)), v);
  }
}

}  // namespace
}  // namespace gs
