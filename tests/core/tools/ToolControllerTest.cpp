#include <gtest/gtest.h>

#include <algorithm>

#include "tools/ToolController.h"

namespace gs {
namespace {

constexpr Colour kFore = Rgb(255, 0, 0), kBack = Rgb(0, 0, 255);

// The controller over a fresh document, on a view of 10 × 10 view pixels a
// pixel, painting red with the left button and blue with the right.
class ToolControllerTest : public ::testing::Test {
 protected:
  ToolControllerTest() : tools(state, ViewGeometry{320, 320}) {
    state.ForeColour = kFore;
    state.BackColour = kBack;
    // The same numbers every run: sprays land where the test can count them.
    tools.SetRandomSource([n = 0]() mutable { return (n++ % 10) / 10.0; });
  }

  static double Centre(int p) { return p * 10 + 5; }
  bool Press(MouseButtons b, int px, int py) { return tools.Press(b, Centre(px), Centre(py)); }
  MoveResult Move(MouseButtons b, int px, int py) { return tools.Move(b, Centre(px), Centre(py)); }
  bool Release(MouseButton b, int px, int py) { return tools.Release(b, Centre(px), Centre(py)); }

  Surface& image() { return state.Doc.WorkingImage; }
  Colour blank() const { return state.Doc.TransparentColor; }
  int Count(Colour c) { return static_cast<int>(std::count(image().Pixels().begin(), image().Pixels().end(), c)); }

  EditorState state;
  ToolController tools;
};

// The eraser paints the pressed button's colour: the fore colour for the left
// button, the back colour for the right, in squares of 4 (columns px - 2 to px + 1).
TEST_F(ToolControllerTest, TheEraserPaintsThePressedButtonsColour) {
  tools.SelectTool(ToolEraser);
  for (auto [button, colour, other] : {std::tuple{kLeftButton, kFore, kBack}, {kRightButton, kBack, kFore}}) {
    image() = Surface(32, 32, blank());
    ASSERT_TRUE(Press(button, 10, 10));
    EXPECT_EQ(Count(colour), 16) << "button " << button;
    EXPECT_EQ(Count(other), 0) << "button " << button;
    EXPECT_EQ(image().GetPixel(8, 8), colour);
    EXPECT_EQ(image().GetPixel(11, 11), colour);
    EXPECT_EQ(image().GetPixel(12, 12), blank());
    Release(button, 10, 10);
  }
}

// A burst of the timer sprays the colour of the button that started the spray,
// read anew at each tick; the release stops it.
TEST_F(ToolControllerTest, SprayTicksPaintTheColourOfTheButtonHeld) {
  tools.SelectTool(ToolSpray);
  for (auto [button, colour, other] : {std::tuple{kRightButton, kBack, kFore}, {kLeftButton, kFore, kBack}}) {
    image() = Surface(32, 32, blank());
    ASSERT_TRUE(Press(button, 16, 16));
    ASSERT_TRUE(tools.SprayTimerRunning());
    image() = Surface(32, 32, blank());  // only the tick's own points from here
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

// Delete clears the selection to transparent, but not while a drag is under
// way: the drag's next move would put the pixels back.
TEST_F(ToolControllerTest, DeleteWaitsForTheDragToEnd) {
  image() = Surface(32, 32, kFore);
  tools.SelectTool(ToolLasso);
  Press(kLeftButton, 2, 2);
  Move(kLeftButton, 5, 5);
  Release(kLeftButton, 5, 5);
  ASSERT_TRUE(state.Doc.SelectionActive);
  ASSERT_EQ(state.Doc.Selection, (Rect{2, 2, 6, 6}));

  // Moving the block: Delete is refused until the release.
  Press(kLeftButton, 3, 3);
  Move(kLeftButton, 4, 4);
  const Surface during = image();
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  EXPECT_EQ(image(), during);
  Release(kLeftButton, 4, 4);

  // A new selection being dragged: the same.
  Press(kLeftButton, 20, 20);
  Move(kLeftButton, 24, 24);
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  Release(kLeftButton, 24, 24);
  ASSERT_TRUE(state.Doc.SelectionActive);
  const int blankBefore = Count(blank());  // where the moved block was
  EXPECT_TRUE(tools.KeyDown(kKeyDelete));
  EXPECT_EQ(Count(blank()), blankBefore + 25);
  EXPECT_EQ(image().GetPixel(20, 20), blank());
  EXPECT_EQ(image().GetPixel(24, 24), blank());
}

// Flood fill reaches every edge of a blank image, column 0 included, from
// wherever it starts.
TEST_F(ToolControllerTest, FloodFillCoversABlankImageToEveryEdge) {
  tools.SelectTool(ToolFloodFill);
  for (Point start : {Point{31, 31}, Point{16, 7}, Point{0, 0}}) {
    image() = Surface(32, 32, blank());
    ASSERT_TRUE(Press(kRightButton, start.x, start.y));
    Release(kRightButton, start.x, start.y);
    EXPECT_EQ(Count(kBack), 32 * 32) << start.x << "," << start.y;
  }
}

}  // namespace
}  // namespace gs
