#include <gtest/gtest.h>

#include "tools/OptionPanels.h"

namespace gs {
namespace {

// Panels of 43 × 68 pixels: sizes that do not divide evenly.
constexpr int kW = 43, kH = 68;

struct PanelClick {
  OptionPanel panel;
  double x, y;
  int choice;
  friend void PrintTo(const PanelClick& c, std::ostream* os) { *os << c.panel << " at " << c.x << "," << c.y; }
};

class PanelClicks : public ::testing::TestWithParam<PanelClick> {};

TEST_P(PanelClicks, PickTheChoiceUnderTheClick) {
  const PanelClick c = GetParam();
  ToolOptions options;
  options.CurrentTool = ToolRectangle;
  ASSERT_TRUE(PressOptionPanel(c.panel, kLeftButton, c.x, c.y, kW, kH, options));
  EXPECT_EQ(OptionChoice(c.panel, options), c.choice);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelClicks,
    ::testing::Values(PanelClick{kEraserPanel, 5, 16.9, 0}, PanelClick{kEraserPanel, 5, 17, 1},
                      PanelClick{kEraserPanel, 5, 67.9, 3}, PanelClick{kBrushPanel, 14.4, 0, 1},
                      PanelClick{kBrushPanel, 42, 18, 5}, PanelClick{kBrushPanel, 20, 52, 10},
                      PanelClick{kSprayPanel, 21.5, 34, 0}, PanelClick{kSprayPanel, 21.6, 34, 1},
                      PanelClick{kSprayPanel, 0, 34.1, 2}, PanelClick{kLinePanel, 0, 13.5, 0},
                      PanelClick{kLinePanel, 0, 13.6, 1}, PanelClick{kLinePanel, 0, 67, 4},
                      PanelClick{kFillPanel, 0, 22.6, 0}, PanelClick{kFillPanel, 0, 22.7, 1}));

TEST(OptionPanels, FillStyleBelongsToTheCurrentBoxShapeAndTakesAnyButton) {
  ToolOptions options;
  options.CurrentTool = ToolCircle;
  EXPECT_FALSE(PressOptionPanel(kLinePanel, kRightButton, 0, kH - 1, kW, kH, options));
  EXPECT_TRUE(PressOptionPanel(kFillPanel, kMiddleButton, 0, kH - 1, kW, kH, options));
  EXPECT_EQ(options.CircleFill, 2);
  EXPECT_EQ(options.RectangleFill + options.RoundRectFill + options.LineWidth, 0);
  options.CurrentTool = ToolPencil;  // not a box shape: stores nothing, shows the first row
  EXPECT_TRUE(PressOptionPanel(kFillPanel, kLeftButton, 0, kH / 2.0, kW, kH, options));
  EXPECT_EQ(OptionChoice(kFillPanel, options), 0);
  EXPECT_EQ(options.CircleFill, 2);
}

}  // namespace
}  // namespace gs
