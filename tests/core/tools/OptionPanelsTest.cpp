#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tools/OptionPanels.h"

namespace gs {
namespace {

struct PanelClick {
  OptionPanel panel;
  double x, y;
  int choice;
};

class PanelClicks : public ::testing::TestWithParam<PanelClick> {};

// Panels of 43 × 68 pixels, sizes that do not divide evenly: each case sits
// just either side of a border between two choices.
TEST_P(PanelClicks, PickTheChoiceUnderTheClick) {
  const PanelClick c = GetParam();
  ToolOptions options;
  options.CurrentTool = ToolRectangle;
  ASSERT_TRUE(PressOptionPanel(c.panel, kLeftButton, c.x, c.y, 43, 68, options));
  EXPECT_EQ(OptionChoice(c.panel, options), c.choice) << c.panel << " at " << c.x << "," << c.y;
}

// "EraserAt5x16p9": the panel and the click, '.' written as 'p'.
std::string ClickName(const ::testing::TestParamInfo<PanelClick>& info) {
  const PanelClick& c = info.param;
  const char* panel = c.panel == kEraserPanel ? "Eraser"
                      : c.panel == kBrushPanel ? "Brush"
                      : c.panel == kSprayPanel ? "Spray"
                      : c.panel == kLinePanel  ? "Line"
                                               : "Fill";
  auto number = [](double v) {
    std::ostringstream out;
    out << v;
    std::string text = out.str();
    std::replace(text.begin(), text.end(), '.', 'p');
    return text;
  };
  return panel + ("At" + number(c.x) + "x" + number(c.y));
}

const PanelClick kClicks[] = {
    {kEraserPanel, 5, 16.9, 0}, {kEraserPanel, 5, 17, 1},   {kBrushPanel, 14.4, 0, 1},  {kBrushPanel, 42, 18, 5},
    {kSprayPanel, 21.5, 34, 0}, {kSprayPanel, 21.6, 34, 1}, {kSprayPanel, 0, 34.1, 2},  {kLinePanel, 0, 13.5, 0},
    {kLinePanel, 0, 13.6, 1},   {kFillPanel, 0, 22.6, 0},   {kFillPanel, 0, 22.7, 1}};
INSTANTIATE_TEST_SUITE_P(Panels, PanelClicks, ::testing::ValuesIn(kClicks), ClickName);

}  // namespace
}  // namespace gs
