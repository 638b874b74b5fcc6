#include <gtest/gtest.h>

#include "text/FieldNumber.h"

namespace gs {
namespace {

// Typed fields: the leading number, halves to even, clipped; anything else is 0.
// Numbers beyond a double clip by their size, whatever the length of their exponent.
TEST(ReadFieldNumber, ReadsTheLeadingNumberRoundedHalfToEvenAndClipped) {
  const std::pair<const char*, int> cases[] = {
      {"x12", 0},        {"  7px", 7},      {"\t-2.5", -2},  {"3.5", 4},         {".5", 0},
      {"1.5.", 2},       {"1e", 1},         {"1.5e1", 15},    {"1e+2", 100},      {"inf", 0},
      {"nan", 0},        {"+-3", 0},        {".", 0},         {"1e11", kFieldNumberLimit},
      {"-1e400", -kFieldNumberLimit},       {"1e-400", 0},    {"1e99999999999999999999", kFieldNumberLimit},
      {"0.0001e-99999999999999999999", 0},  {"-32768", -kFieldNumberLimit}};
  for (const auto& [text, number] : cases) EXPECT_EQ(ReadFieldNumber(text), number) << '"' << text << '"';
}

// How much of the text the number takes: a fixed-format read stops at the exponent's letter.
TEST(ReadLeadingNumber, TakesTheNumberAndSaysHowFarItReaches) {
  const auto general = ReadLeadingNumber("-2.5e1px");
  ASSERT_TRUE(general);
  EXPECT_EQ(general->value, -25);
  EXPECT_EQ(general->length, 6u);
  const auto fixed = ReadLeadingNumber("2.5e1", std::chars_format::fixed);
  ASSERT_TRUE(fixed);
  EXPECT_EQ(fixed->value, 2.5);
  EXPECT_EQ(fixed->length, 3u);
  const auto huge = ReadLeadingNumber("-1e400");
  ASSERT_TRUE(huge);
  EXPECT_FALSE(huge->inRange);
  EXPECT_EQ(huge->length, 6u);
  EXPECT_FALSE(ReadLeadingNumber(" 1"));
  EXPECT_FALSE(ReadLeadingNumber(""));
}

}  // namespace
}  // namespace gs
