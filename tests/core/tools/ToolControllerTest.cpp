#include <gtest/gtest.h>

#include <algorithm>

#include "support/PixelPicture.h"
#include "tools/ToolController.h"

namespace gs {
namespace {

using namespace gs::testing;
constexpr Colour kFore = kInk, kBack = kFill;

// The controller over a document of paper ('.'), its transparent colour too, on
// a view of 10 × 10 view pixels a pixel, painting ink ('O') with the left button
// and fill ('#') with the right.
class ToolControllerTest : public ::testing::Test {
 protected:
  ToolControllerTest() : tools(state, ViewGeometry{320, 320}) {
    state.Doc.TransparentColor = kPaper;
    image() = Surface(32, 32, kPaper);
    state.ForeColour = kFore;
    state.BackColour = kBack;
    // The same numbers every run: sprays land where the test can count them.
    tools.SetRandomSource([n = 0]() mutable { return (n++ % 10) / 10.0; });
  }

  static double Centre(int p) { return p * 10 + 5; }
  bool Press(MouseButtons b, int px, int py) { return tools.Press(b, Centre(px), Centre(py)); }
  MoveResult Move(MouseButtons b, int px, int py) { return tools.Move(b, Centre(px), Centre(py)); }
  bool Release(MouseButton b, int px, int py) { return tools.Release(b, Centre(px), Centre(py)); }
  void Drag(MouseButton b, Point from, Point to) {
    Press(b, from.x, from.y);
    Move(b, to.x, to.y);
    Release(b, to.x, to.y);
  }

  Surface& image() { return state.Doc.WorkingImage; }
  int Count(Colour c) { return static_cast<int>(std::count(image().Pixels().begin(), image().Pixels().end(), c)); }

  EditorState state;
  ToolController tools;
};

// The eraser paints squares of 4, 6, 8 and 10 (columns px − half to px + half − 1)
// in the pressed button's colour: the fore colour for the left, the back for the right.
TEST_F(ToolControllerTest, TheEraserPaintsSquaresInThePressedButtonsColour) {
  tools.SelectTool(ToolEraser);
  state.Tools.EraserSize = 2;  // 8 × 8
  for (auto [button, colour] : {std::pair{kLeftButton, kFore}, {kRightButton, kBack}}) {
    image() = Surface(32, 32, kPaper);
    ASSERT_TRUE(Press(button, 16, 16));
    Release(button, 16, 16);
    EXPECT_EQ(image().Copy({12, 12, 20, 20}), Surface(8, 8, colour));
    EXPECT_EQ(Count(colour), 64) << "button " << button;
  }
}

// A burst of the timer sprays the colour of the button that started the spray,
// read anew at each tick; the release stops it.
TEST_F(ToolControllerTest, SprayTicksPaintTheColourOfTheButtonHeld) {
  tools.SelectTool(ToolSpray);
  for (auto [button, colour, other] : {std::tuple{kRightButton, kBack, kFore}, {kLeftButton, kFore, kBack}}) {
    ASSERT_TRUE(Press(button, 16, 16));
    ASSERT_TRUE(tools.SprayTimerRunning());
    image() = Surface(32, 32, kPaper);  // only the tick's own points from here
    ASSERT_TRUE(tools.SprayTick());
    EXPECT_GT(Count(colour), 0) << "button " << button;
    EXPECT_EQ(Count(other), 0) << "button " << button;
    state.BackColour = state.ForeColour = Rgb(0, 255, 0);  // a change shows at the next tick
    ASSERT_TRUE(tools.SprayTick());
    EXPECT_GT(Count(Rgb(0, 255, 0)), 0);
    state.ForeColour = kFore;
    state.BackColour = kBack;
    Release(button, 16, 16);
    EXPECT_FALSE(tools.SprayTimerRunning());
    EXPECT_FALSE(tools.SprayTick());
  }
}

// Spray sizes 0, 1 and 2 throw 10, 20 or 30 points, up to 4, 8 or 12 pixels out.
TEST_F(ToolControllerTest, SprayBurstsGrowWithTheSpraySize) {
  int draws = 0;
  tools.SetRandomSource([&] { return ++draws % 2 ? 0.0 : 0.9999; });  // angle 0, the largest distance
  tools.SelectTool(ToolSpray);
  state.Tools.SpraySize = 2;
  Press(kLeftButton, 15, 15);
  Release(kLeftButton, 15, 15);
  EXPECT_EQ(draws, 2 * 30);
  EXPECT_EQ(image().GetPixel(15 + 12, 15), kFore);
}

// Right or down a box takes in the cursor's pixel, left or up it stops short of
// the pressed one. Fill styles: an outline in the button's colour; the fore
// colour's outline over the back colour; the back colour alone, one pixel
// smaller as a box without a pen is. A line paints both its ends, pens 1 to 5
// wide; the paintbrush stamps the chosen footprint.
TEST_F(ToolControllerTest, ShapesFollowTheEndPointRuleAndTheirOptions) {
  const struct { int tool, option; MouseButton button; Point from, to; const char* picture; } cases[] = {
      {ToolRectangle, 0, kLeftButton, {2, 2}, {5, 5}, "OOOO/O..O/O..O/OOOO"},
      {ToolRectangle, 0, kLeftButton, {5, 5}, {2, 2}, "OOO./O.O./OOO./...."},
      {ToolRectangle, 0, kLeftButton, {5, 2}, {2, 5}, "OOO./O.O./O.O./OOO."},
      {ToolRectangle, 0, kLeftButton, {3, 3}, {3, 3}, "..../.O../..../...."},
      {ToolRectangle, 0, kRightButton, {2, 2}, {5, 5}, "####/#..#/#..#/####"},
      {ToolRectangle, 1, kRightButton, {2, 2}, {5, 5}, "OOOO/O##O/O##O/OOOO"},
      {ToolRectangle, 2, kRightButton, {2, 2}, {5, 5}, "###./###./###./...."},
      {ToolCircle, 0, kLeftButton, {2, 2}, {5, 5}, ".OO./O..O/O..O/.OO."},
      {ToolLine, 0, kRightButton, {5, 3}, {2, 3}, "..../####/..../...."},
      {ToolLine, 2, kLeftButton, {3, 3}, {4, 3}, ".OO./OOOO/.OO./...."},
      {ToolPaintbrush, 5, kLeftButton, {3, 3}, {3, 3}, "OO../OO../..../...."}};
  for (const auto& c : cases) {
    image() = Surface(32, 32, kPaper);
    tools.SelectTool(c.tool);
    state.Tools.RectangleFill = state.Tools.LineWidth = state.Tools.BrushShape = static_cast<std::uint8_t>(c.option);
    Drag(c.button, c.from, c.to);
    EXPECT_EQ(PictureAt(image(), 2, 2, 4, 4), c.picture)
        << "tool " << c.tool << " from " << PointName(c.from) << " to " << PointName(c.to);
    EXPECT_EQ(Count(kPaper), 1024 - 16 + std::count(c.picture, c.picture + 19, '.')) << "pixels outside";
  }
}

// Delete clears the selection undoably, marks the document modified and keeps
// the selection; without one, or while a drag is under way (its next move would
// put the pixels back), it does nothing.
TEST_F(ToolControllerTest, DeleteClearsTheSelectionOnlyOutsideADrag) {
  image() = Surface(32, 32, kFore);
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  EXPECT_FALSE(state.Doc.Modified);
  tools.SelectTool(ToolLasso);
  Drag(kLeftButton, {2, 2}, {5, 5});
  ASSERT_EQ(state.Doc.Selection, (Rect{2, 2, 6, 6}));

  Press(kLeftButton, 20, 20);  // a new selection being dragged
  Move(kLeftButton, 24, 24);
  const Surface during = image();
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  EXPECT_EQ(image(), during);
  Release(kLeftButton, 24, 24);

  const Surface before = image();
  state.Doc.Modified = false;
  EXPECT_TRUE(tools.KeyDown(kKeyDelete));
  EXPECT_TRUE(state.Doc.Modified);
  EXPECT_TRUE(state.Doc.SelectionActive);
  Surface cleared = before;
  cleared.FillRect({20, 20, 25, 25}, kPaper);
  EXPECT_EQ(image(), cleared);
  ASSERT_TRUE(state.Doc.RestoreBackup());
  EXPECT_EQ(image(), before);
}

}  // namespace
}  // namespace gs
