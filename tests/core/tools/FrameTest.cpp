// The press / move / release frame every tool shares.

#include "ToolTestSupport.h"

namespace gs::testing {
namespace {

class EveryTool : public ToolTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryTool, PressMarksModifiedAndTakesTheSnapshot) {
  Use(GetParam());
  image().SetPixel(4, 4, kGreen);
  const Surface before = image();
  ASSERT_FALSE(doc().UndoAvailable());
  EXPECT_TRUE(Press(4, 4));
  Move(6, 7);
  Release(6, 7);
  EXPECT_TRUE(doc().Modified);
  ASSERT_TRUE(doc().UndoAvailable());
  doc().RestoreBackup();
  EXPECT_EQ(image(), before);
}

TEST_P(EveryTool, MiddleButtonAndBothButtonsStartNothing) {
  Use(GetParam());
  const Surface before = image();
  for (MouseButtons b : {MouseButtons{kMiddleButton}, MouseButtons{kLeftButton | kRightButton},
                         MouseButtons{kLeftButton | kMiddleButton}}) {
    EXPECT_FALSE(tools.Press(b, X(5), Y(5)));
    EXPECT_EQ(tools.Move(b, X(9), Y(9)), MoveResult::ShowStatus);
    tools.Release(kMiddleButton, X(9), Y(9));
    EXPECT_FALSE(tools.SprayTimerRunning());
    EXPECT_FALSE(tools.GestureActive());
  }
  EXPECT_FALSE(doc().Modified);
  EXPECT_FALSE(doc().UndoAvailable());
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(image(), before);
  EXPECT_EQ(state.ForeColour, kRed);
}

INSTANTIATE_TEST_SUITE_P(Tools, EveryTool, ::testing::Range(0, kToolCount));

// The right button paints the back colour in every painting tool; the fill
// styles with their own colour rules are covered with the shapes.
class PaintingTool : public ToolTest, public ::testing::WithParamInterface<int> {};

TEST_P(PaintingTool, RightButtonPaintsTheBackColour) {
  Use(GetParam());
  tools.SetRandomSource([] { return 0.3; });
  Press(10, 10, kRightButton);
  Move(12, 12, kRightButton);
  Release(12, 12, kRightButton);
  EXPECT_GT(CountPixels(image(), kBlue), 0);
  EXPECT_EQ(CountPixels(image(), kRed), 0);
}

INSTANTIATE_TEST_SUITE_P(Tools, PaintingTool,
                         ::testing::Values(ToolEraser, ToolFloodFill, ToolPencil, ToolPaintbrush, ToolSpray,
                                           ToolLine, ToolRectangle, ToolCircle, ToolRoundedRectangle));

TEST_F(ToolTest, ColourIsReadAtEveryEvent) {
  Use(ToolPencil);
  Press(1, 1);
  state.ForeColour = kGreen;
  Move(3, 1);
  state.ForeColour = 0x123456;
  Move(5, 1);
  EXPECT_EQ(image().GetPixel(1, 1), kRed);
  EXPECT_EQ(image().GetPixel(3, 1), kGreen);
  EXPECT_EQ(image().GetPixel(5, 1), 0x123456u);
}

TEST_F(ToolTest, AStrokeBelongsToTheButtonThatStartedIt) {
  Use(ToolPencil);
  Press(1, 1);
  // A second button joins: nothing is drawn while both are held.
  EXPECT_FALSE(tools.Press(kLeftButton | kRightButton, X(2), Y(1)));
  EXPECT_EQ(Move(3, 1, kLeftButton | kRightButton), MoveResult::ShowStatus);
  EXPECT_FALSE(Release(3, 1, kRightButton));
  EXPECT_EQ(Move(4, 1, kLeftButton), MoveResult::Repaint);
  EXPECT_TRUE(Release(4, 1, kLeftButton));
  // After the stroke the other button alone does not draw on moves.
  EXPECT_EQ(Move(6, 1, kRightButton), MoveResult::NoChange);
  EXPECT_EQ(Picture(image(), {0, 1, 8, 2}, kRed), ".#..#...\n");
  EXPECT_EQ(CountPixels(image(), kBlue), 0);
}

TEST_F(ToolTest, PencilAtTheTopLeftCornerPaintsPixelZeroOnly) {
  Use(ToolPencil);
  tools.Press(kLeftButton, 0, 0);
  tools.Release(kLeftButton, 0, 0);
  EXPECT_EQ(CountPixels(image(), kRed), 1);
  EXPECT_EQ(image().GetPixel(0, 0), kRed);
}

TEST_F(ToolTest, FastStrokesLeaveSeparateStamps) {
  for (int tool : {ToolPencil, ToolPaintbrush}) {
    Use(tool);
    state.Tools.BrushShape = 2;
    image().Fill(transparent());
    Press(2, 5);
    Move(6, 5);
    Move(10, 5);
    Release(10, 5);
    EXPECT_EQ(Picture(image(), {0, 5, 12, 6}, kRed), "..#...#...#.\n") << tool;
  }
}

TEST_F(ToolTest, EraserPaintsSquaresOfFourToTenInTheButtonsColour) {
  Use(ToolEraser);
  for (int size = 0; size < 4; ++size) {
    state.Tools.EraserSize = static_cast<std::uint8_t>(size);
    image().Fill(transparent());
    Press(15, 15, kRightButton);
    Release(15, 15, kRightButton);
    const int half = size + 2;
    EXPECT_EQ(BoundsOf(image(), kBlue), (Rect{15 - half, 15 - half, 15 + half, 15 + half})) << size;
    EXPECT_EQ(CountPixels(image(), kBlue), 4 * half * half);
  }
}

TEST_F(ToolTest, FloodFillFillsTheFourConnectedAreaOnly) {
  Use(ToolFloodFill);
  // A ring of green with a diagonal gap: the fill must not leak through a corner.
  for (int i = 2; i <= 6; ++i) {
    image().SetPixel(i, 2, kGreen);
    image().SetPixel(i, 6, kGreen);
    image().SetPixel(2, i, kGreen);
    image().SetPixel(6, i, kGreen);
  }
  image().SetPixel(6, 6, transparent());
  Press(4, 4);
  Move(20, 20);
  Release(20, 20);
  EXPECT_EQ(Picture(image(), {2, 2, 8, 8}, kRed),
            "......\n"
            ".###..\n"
            ".###..\n"
            ".###..\n"
            "......\n"
            "......\n");
}

TEST_F(ToolTest, FloodFillOnItsOwnColourChangesNothingButCanBeUndone) {
  Use(ToolFloodFill);
  state.ForeColour = transparent();
  const Surface before = image();
  Press(3, 3);
  Release(3, 3);
  EXPECT_EQ(image(), before);
  EXPECT_TRUE(doc().UndoAvailable());
}

TEST_F(ToolTest, ColourPickerTakesThePixelAndKeepsTheLastOneOffTheImage) {
  Use(ToolColorPicker);
  image().SetPixel(30, 3, kGreen);
  image().SetPixel(31, 3, 0x445566);
  Press(30, 3, kRightButton);
  EXPECT_EQ(state.BackColour, kGreen);
  Move(31, 3, kRightButton);
  EXPECT_EQ(state.BackColour, 0x445566u);
  Move(32, 3, kRightButton);
  Move(31, -1, kRightButton);
  EXPECT_EQ(state.BackColour, 0x445566u);
  EXPECT_EQ(state.ForeColour, kRed);
  Release(32, 3, kRightButton);
  EXPECT_TRUE(doc().UndoAvailable());
}

TEST_F(ToolTest, ColourPickerCanHandTheColourToTheWindow) {
  std::vector<std::pair<MouseButton, Colour>> told;
  tools.SetColourHandler([&](MouseButton b, Colour c) { told.emplace_back(b, c); });
  Use(ToolColorPicker);
  image().SetPixel(1, 1, kGreen);
  Press(1, 1);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].first, kLeftButton);
  EXPECT_EQ(told[0].second, kGreen);
  EXPECT_EQ(state.ForeColour, kRed);
}

TEST_F(ToolTest, TextToolHandsOverThePixelAndColour) {
  int px = -1, py = -1;
  Colour colour = 0;
  tools.SetTextHandler([&](int x, int y, Colour c) { px = x, py = y, colour = c; });
  Use(ToolText);
  Press(7, 9, kRightButton);
  EXPECT_EQ(px, 7);
  EXPECT_EQ(py, 9);
  EXPECT_EQ(colour, kBlue);
  EXPECT_TRUE(doc().UndoAvailable());
  EXPECT_FALSE(tools.GestureActive());
}

TEST_F(ToolTest, PointerPictureFollowsToolAndSelection) {
  for (int tool = 0; tool < kToolCount; ++tool) {
    Use(tool);
    EXPECT_EQ(tools.PointerPicture(X(5), Y(5)), tool >= 1 && tool <= 6 ? tool : 0) << tool;
  }
  Use(ToolLasso);
  Drag({4, 4}, {8, 8});
  EXPECT_EQ(tools.PointerPicture(X(6), Y(6)), kPointerOverSelection);
  EXPECT_EQ(tools.PointerPicture(X(10), Y(6)), 0);
  // While a new selection is dragged the pointer stays the tool's.
  Press(0, 0);
  Move(10, 10);
  EXPECT_EQ(tools.PointerPicture(X(6), Y(6)), 0);
}

}  // namespace
}  // namespace gs::testing
