#include <gtest/gtest.h>

#include "tools/OptionPanels.h"

namespace gs {
namespace {

// Panels of 43 × 68 pixels, sizes that do not divide evenly: each click sits
// just either side of a border between two choices.
TEST(PressOptionPanel, PicksTheChoiceUnderTheClick) {
  const struct { OptionPanel panel; double x, y; int choice; } clicks[] = {
      {kEraserPanel, 5, 16.9, 0}, {kEraserPanel, 5, 17, 1},   {kBrushPanel, 14.4, 0, 1},  {kBrushPanel, 42, 18, 5},
      {kSprayPanel, 21.5, 34, 0}, {kSprayPanel, 21.6, 34, 1}, {kSprayPanel, 0, 34.1, 2},  {kLinePanel, 0, 13.5, 0},
      {kLinePanel, 0, 13.6, 1},   {kFillPanel, 0, 22.6, 0},   {kFillPanel, 0, 22.7, 1}};
  for (const auto& c : clicks) {
    ToolOptions options;
    options.CurrentTool = ToolRectangle;
    ASSERT_TRUE(PressOptionPanel(c.panel, kLeftButton, c.x, c.y, 43, 68, options));
    EXPECT_EQ(OptionChoice(c.panel, options), c.choice) << "panel " << c.panel << " at " << c.x << "," << c.y;
  }
}

// The fill styles take any button and belong to the box shape now chosen; the
// other panels take the left button only.
TEST(PressOptionPanel, FillStylesTakeAnyButtonForTheCurrentShapeOnly) {
  ToolOptions options;
  options.CurrentTool = ToolCircle;
  EXPECT_FALSE(PressOptionPanel(kEraserPanel, kRightButton, 0, 60, 43, 68, options));
  EXPECT_TRUE(PressOptionPanel(kFillPanel, kMiddleButton, 0, 60, 43, 68, options));
  EXPECT_EQ(options.EraserSize, 0);
  EXPECT_EQ((std::tuple<int, int, int>(options.CircleFill, options.RectangleFill, options.RoundRectFill)),
            std::tuple(2, 0, 0));
}

}  // namespace
}  // namespace gs
