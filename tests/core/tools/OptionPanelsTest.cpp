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
  friend void PrintTo(const PanelClick& c, std::ostream* os) {
    *os << "panel " << c.panel << " at " << c.x << "," << c.y;
  }
};

class PanelClicks : public ::testing::TestWithParam<PanelClick> {};

TEST_P(PanelClicks, PickTheChoiceUnderTheClick) {
  const PanelClick c = GetParam();
  EXPECT_EQ(OptionChoiceAt(c.panel, c.x, c.y, kW, kH), c.choice);
  ToolOptions options;
  options.CurrentTool = ToolRectangle;
  ASSERT_TRUE(PressOptionPanel(c.panel, kLeftButton, c.x, c.y, kW, kH, options));
  EXPECT_EQ(OptionChoice(c.panel, options), c.choice);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, PanelClicks,
    ::testing::Values(PanelClick{kEraserPanel, 0, 0, 0}, PanelClick{kEraserPanel, 5, 16.9, 0},
                      PanelClick{kEraserPanel, 5, 17, 1}, PanelClick{kEraserPanel, 5, 67.9, 3},
                      PanelClick{kEraserPanel, 5, 68, 3},  // the border stays on the last row
                      PanelClick{kBrushPanel, 0, 0, 0}, PanelClick{kBrushPanel, 14.4, 0, 1},
                      PanelClick{kBrushPanel, 42, 18, 5}, PanelClick{kBrushPanel, 20, 52, 10},
                      PanelClick{kBrushPanel, 42, 67, 11},
                      PanelClick{kSprayPanel, 21.5, 34, 0}, PanelClick{kSprayPanel, 21.6, 34, 1},
                      PanelClick{kSprayPanel, 0, 34.1, 2}, PanelClick{kSprayPanel, 42, 67, 2},
                      PanelClick{kLinePanel, 0, 13.5, 0}, PanelClick{kLinePanel, 0, 13.6, 1},
                      PanelClick{kLinePanel, 0, 67, 4},
                      PanelClick{kFillPanel, 0, 22.6, 0}, PanelClick{kFillPanel, 0, 22.7, 1},
                      PanelClick{kFillPanel, 0, 50, 2}));

TEST(OptionPanels, OnlyTheFillStylePanelTakesOtherButtons) {
  ToolOptions options;
  options.CurrentTool = ToolCircle;
  for (OptionPanel panel : {kEraserPanel, kBrushPanel, kSprayPanel, kLinePanel})
    EXPECT_FALSE(PressOptionPanel(panel, kRightButton, kW - 1, kH - 1, kW, kH, options)) << panel;
  EXPECT_EQ(options.EraserSize + options.BrushShape + options.SpraySize + options.LineWidth, 0);
  EXPECT_TRUE(PressOptionPanel(kFillPanel, kMiddleButton, 0, kH - 1, kW, kH, options));
  EXPECT_EQ(options.CircleFill, 2);
}

TEST(OptionPanels, FillStyleBelongsToTheCurrentBoxShape) {
  ToolOptions options;
  const int tools[] = {ToolRectangle, ToolCircle, ToolRoundedRectangle};
  for (int i = 0; i < 3; ++i) {
    options.CurrentTool = tools[i];
    PressOptionPanel(kFillPanel, kLeftButton, 0, i * kH / 3.0 + 1, kW, kH, options);
  }
  EXPECT_EQ(options.RectangleFill, 0);
  EXPECT_EQ(options.CircleFill, 1);
  EXPECT_EQ(options.RoundRectFill, 2);
  options.CurrentTool = ToolPencil;
  EXPECT_TRUE(PressOptionPanel(kFillPanel, kLeftButton, 0, kH - 1, kW, kH, options));
  EXPECT_EQ(options.RoundRectFill, 2);
  EXPECT_EQ(OptionChoice(kFillPanel, options), 0);
  options.CurrentTool = ToolCircle;
  EXPECT_EQ(OptionChoice(kFillPanel, options), 1);
}

// Every choice's highlight contains the points that pick it, and the
// highlights of one panel do not overlap.
TEST(OptionPanels, HighlightsCoverTheirChoices) {
  for (OptionPanel panel : kOptionPanels) {
    const int n = OptionChoiceCount(panel);
    std::vector<int> owner(kW * kH, -1);
    for (int choice = 0; choice < n; ++choice) {
      const Rect box = OptionHighlight(panel, choice, kW, kH);
      for (int y = std::max(box.top, 0); y < std::min(box.bottom, kH); ++y)
        for (int x = std::max(box.left, 0); x < std::min(box.right, kW); ++x) {
          EXPECT_EQ(owner[y * kW + x], -1) << panel << " " << choice << " at " << x << "," << y;
          owner[y * kW + x] = choice;
        }
    }
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        EXPECT_EQ(owner[y * kW + x], OptionChoiceAt(panel, x + 0.5, y + 0.5, kW, kH))
            << panel << " at " << x << "," << y;
  }
}

TEST(OptionPanels, ToolsShowTheirFamilysPanel) {
  const OptionPanel expected[kToolCount] = {kNoPanel,    kEraserPanel, kNoPanel,  kNoPanel,
                                            kNoPanel,    kBrushPanel,  kSprayPanel, kNoPanel,
                                            kLinePanel,  kFillPanel,   kFillPanel,  kFillPanel};
  for (int tool = 0; tool < kToolCount; ++tool) EXPECT_EQ(OptionPanelOf(tool), expected[tool]) << tool;
}

}  // namespace
}  // namespace gs

namespace gs {
namespace {

// Each choice has a picture of its own inside its cell, and only the
// highlighted cell is inverted.
TEST(OptionPanels, PictureShowsEveryChoiceAndInvertsTheHighlightedOne) {
  for (OptionPanel panel : kOptionPanels) {
    const int n = OptionChoiceCount(panel);
    const Surface plain = OptionPanelPicture(panel, -1, kW, kH);
    for (int choice = 0; choice < n; ++choice) {
      const Rect cell = OptionHighlight(panel, choice, kW, kH);
      int ink = 0;
      for (int y = cell.top; y < cell.bottom; ++y)
        for (int x = cell.left; x < cell.right; ++x) ink += plain.GetPixel(x, y) != 0xFFFFFF;
      EXPECT_GT(ink, 0) << panel << " choice " << choice;
    }
    const int lit = n - 1;
    const Surface shown = OptionPanelPicture(panel, lit, kW, kH);
    const Rect cell = OptionHighlight(panel, lit, kW, kH);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        ASSERT_EQ(shown.GetPixel(x, y), cell.Contains(x, y) ? plain.GetPixel(x, y) ^ 0xFFFFFF : plain.GetPixel(x, y))
            << panel << " at " << x << "," << y;
  }
}

}  // namespace
}  // namespace gs
