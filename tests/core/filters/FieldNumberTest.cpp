#include <gtest/gtest.h>

#include "filters/FieldNumber.h"

namespace gs {
namespace {

struct FieldCase {
  const char* text;
  int value;
};

class ReadFieldNumberTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ReadFieldNumberTest, ReadsTheLeadingNumberRoundedHalfToEven) {
  EXPECT_EQ(ReadFieldNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadFieldNumberTest,
    ::testing::Values(
        // No number at all reads as 0.
        FieldCase{"", 0}, FieldCase{"abc", 0}, FieldCase{"-", 0}, FieldCase{".", 0}, FieldCase{"x12", 0},
        // The leading numeric part, after blanks; the rest is ignored.
        FieldCase{"12", 12}, FieldCase{"  7px", 7}, FieldCase{"\t-4", -4}, FieldCase{"+5", 5},
        FieldCase{"3 4", 3}, FieldCase{"0x10", 0}, FieldCase{"1e", 1}, FieldCase{"2e+", 2},
        FieldCase{"1.5e1", 15}, FieldCase{"1e2", 100},
        // Halves go to the even neighbour.
        FieldCase{"2.5", 2}, FieldCase{"3.5", 4}, FieldCase{"-2.5", -2}, FieldCase{".5", 0}, FieldCase{"0.51", 1},
        FieldCase{"-0.4", 0},
        // Out-of-range numbers are clipped instead of overflowing.
        FieldCase{"99999999999", kFieldNumberLimit}, FieldCase{"-99999999999", -kFieldNumberLimit},
        FieldCase{"1e400", kFieldNumberLimit}, FieldCase{"-1e400", -kFieldNumberLimit}, FieldCase{"1e-400", 0},
        FieldCase{"32767.4", 32767}, FieldCase{"-32767", -32767}));

}  // namespace
}  // namespace gs
