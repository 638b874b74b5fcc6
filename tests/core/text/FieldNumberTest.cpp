#include <gtest/gtest.h>

#include "text/FieldNumber.h"

namespace gs {
namespace {

// Typed fields: the leading number, halves to even, clipped; anything else is 0.
// Numbers beyond a double clip by their size, whatever the length of their exponent.
TEST(ReadFieldNumber, ReadsTheLeadingNumberRoundedHalfToEvenAndClipped) {
  const std::pair<const char*, int> cases[] = {
      {"x12", 0},   {"  7px", 7},      {"\t-2.5", -2},     {"3.5", 4},   {".5", 0},    {"1e", 1},
      {"1.5e1", 15}, {"inf", 0},        {"+-3", 0},        {"1e11", kFieldNumberLimit},  {"-1e400", -kFieldNumberLimit},
      {"1e-400", 0}, {"1e99999999999999999999", kFieldNumberLimit}, {"0.0001e-99999999999999999999", 0},
      {"-32768", -kFieldNumberLimit}};
  for (const auto& [text, number] : cases) EXPECT_EQ(ReadFieldNumber(text), number) << '"' << text << '"';
}

}  // namespace
}  // namespace gs
