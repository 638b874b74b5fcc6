#include <gtest/gtest.h>

#include "color/AxisOrder.h"

namespace gs {
namespace {

TEST(AxisOrder, LooksUpOrdersAndCompletesPairs) {
  EXPECT_EQ(FindAxisOrder("SHL")->VerticalMax, 239);
  EXPECT_EQ(FindAxisOrder("LHS")->HorizontalMax, 240);
  EXPECT_FALSE(FindAxisOrder("RGH"));
  EXPECT_FALSE(FindAxisOrder("rgb"));
  EXPECT_EQ(AxisOrderForPair('H', 'L'), "HLS");
  EXPECT_EQ(AxisOrderForPair('B', 'R'), "BRG");
  EXPECT_FALSE(AxisOrderForPair('R', 'H'));
  EXPECT_FALSE(AxisOrderForPair('G', 'G'));
}

TEST(AxisOrder, OtherComponentsOfTheSameModelInModelOrder) {
  using Pair = std::array<char, 2>;
  EXPECT_EQ(OtherComponents('G'), (Pair{'R', 'B'}));
  EXPECT_EQ(OtherComponents('B'), (Pair{'R', 'G'}));
  EXPECT_EQ(OtherComponents('S'), (Pair{'H', 'L'}));
  EXPECT_EQ(OtherComponents('L'), (Pair{'H', 'S'}));
  EXPECT_FALSE(OtherComponents('X'));
  EXPECT_FALSE(OtherComponents('\0'));
}

}  // namespace
}  // namespace gs
