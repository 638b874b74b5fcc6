#include <gtest/gtest.h>

#include "filters/FieldNumber.h"

namespace gs {
namespace {

class ReadFieldNumberTest : public ::testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(ReadFieldNumberTest, ReadsTheLeadingNumberRoundedHalfToEvenAndClipped) {
  EXPECT_EQ(ReadFieldNumber(GetParam().first), GetParam().second) << '"' << GetParam().first << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadFieldNumberTest,
    ::testing::Values(std::pair{"", 0}, std::pair{"abc", 0}, std::pair{"-", 0}, std::pair{"x12", 0},
                      std::pair{"  7px", 7}, std::pair{"\t-4", -4}, std::pair{"+5", 5}, std::pair{"3 4", 3},
                      std::pair{"0x10", 0}, std::pair{"1e", 1}, std::pair{"1.5e1", 15}, std::pair{"2.5", 2},
                      std::pair{"3.5", 4}, std::pair{"-2.5", -2}, std::pair{".5", 0}, std::pair{"0.51", 1},
                      std::pair{"99999999999", kFieldNumberLimit}, std::pair{"-1e400", -kFieldNumberLimit},
                      std::pair{"1e-400", 0}));

}  // namespace
}  // namespace gs
