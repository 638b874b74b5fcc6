#include <gtest/gtest.h>

#include "color/AxisOrder.h"

namespace gs {
namespace {

TEST(AxisOrder, TwelveOrdersEachUsingOneModelOnce) {
  ASSERT_EQ(AxisOrders().size(), 12u);
  for (const AxisOrderInfo& order : AxisOrders()) {
    const std::string_view model = ComponentMaximum(order.Name[0]) == 255 ? "RGB" : "HSL";
    for (char c : model) EXPECT_NE(order.Name.find(c), std::string_view::npos) << order.Name;
    EXPECT_EQ(order.HorizontalMax, ComponentMaximum(order.Name[0])) << order.Name;
    EXPECT_EQ(order.VerticalMax, ComponentMaximum(order.Name[1])) << order.Name;
  }
  EXPECT_EQ(FindAxisOrder("SHL")->VerticalMax, 239);
  EXPECT_FALSE(FindAxisOrder("RGH"));
  EXPECT_FALSE(FindAxisOrder("rgb"));
  EXPECT_FALSE(FindAxisOrder(""));
}

TEST(AxisOrder, PairsCompleteWithTheMissingLetter) {
  EXPECT_EQ(AxisOrderForPair('H', 'L'), "HLS");
  EXPECT_EQ(AxisOrderForPair('B', 'R'), "BRG");
  EXPECT_EQ(AxisOrderForPair('L', 'S'), "LSH");
  EXPECT_FALSE(AxisOrderForPair('R', 'H'));
  EXPECT_FALSE(AxisOrderForPair('G', 'G'));
}

TEST(AxisOrder, OtherComponentsOfTheSameModelInModelOrder) {
  using Pair = std::array<char, 2>;
  EXPECT_EQ(OtherComponents('R'), (Pair{'G', 'B'}));
  EXPECT_EQ(OtherComponents('G'), (Pair{'R', 'B'}));
  EXPECT_EQ(OtherComponents('B'), (Pair{'R', 'G'}));
  EXPECT_EQ(OtherComponents('H'), (Pair{'S', 'L'}));
  EXPECT_EQ(OtherComponents('S'), (Pair{'H', 'L'}));
  EXPECT_EQ(OtherComponents('L'), (Pair{'H', 'S'}));
  EXPECT_FALSE(OtherComponents('X'));
  EXPECT_FALSE(OtherComponents('\0'));
}

}  // namespace
}  // namespace gs
