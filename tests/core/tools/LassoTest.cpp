// The selection rectangle: selecting, moving, Delete, Escape.

#include "ToolTestSupport.h"

namespace gs::testing {
namespace {

class LassoTest : public ToolTest {
 protected:
  LassoTest() {
    Use(ToolLasso);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) image().SetPixel(x, y, Rgb(x * 8, y * 8, 100));
  }
};

struct SelectionDrag {
  Point from, to;
  Rect selected;
  friend void PrintTo(const SelectionDrag& d, std::ostream* os) {
    *os << "(" << d.from.x << "," << d.from.y << ")->(" << d.to.x << "," << d.to.y << ")";
  }
};

class LassoDrags : public LassoTest, public ::testing::WithParamInterface<SelectionDrag> {};

TEST_P(LassoDrags, SelectTheBoxOfTheEndPointRule) {
  const SelectionDrag d = GetParam();
  const Surface before = image();
  Drag(d.from, d.to);
  EXPECT_TRUE(doc().SelectionActive);
  EXPECT_EQ(doc().Selection, d.selected);
  EXPECT_EQ(image(), before);
  EXPECT_FALSE(tools.Selecting());
}

INSTANTIATE_TEST_SUITE_P(Cases, LassoDrags,
                         ::testing::Values(SelectionDrag{{9, 4}, {9, 4}, {9, 4, 10, 5}},    // a click
                                           SelectionDrag{{2, 3}, {5, 7}, {2, 3, 6, 8}},
                                           SelectionDrag{{5, 7}, {2, 3}, {2, 3, 5, 7}},
                                           SelectionDrag{{5, 3}, {2, 7}, {2, 3, 5, 8}},
                                           // past the edges: only pixels that exist
                                           SelectionDrag{{28, 29}, {40, 35}, {28, 29, 32, 32}}));

TEST_F(LassoTest, DraggingOutsideTheImageOnlySelectsNothing) {
  tools.Press(kLeftButton, -30, -30);
  tools.Release(kLeftButton, -20, -40);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(doc().Selection, Rect{});
}

TEST_F(LassoTest, MovingByOnePixelLeavesATransparentColumn) {
  Drag({2, 3}, {5, 7});  // columns 2..5, rows 3..7
  const Surface before = image();
  Press(3, 4);
  EXPECT_TRUE(doc().MovingSelection);
  Move(4, 4);
  EXPECT_FALSE(doc().SelectionActive && !doc().MovingSelection);
  Release(4, 4);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_FALSE(doc().SelectionActive);
  for (int y = 3; y < 8; ++y) {
    EXPECT_EQ(image().GetPixel(2, y), transparent());
    for (int x = 3; x < 7; ++x) EXPECT_EQ(image().GetPixel(x, y), before.GetPixel(x - 1, y));
  }
  EXPECT_EQ(image().GetPixel(7, 4), before.GetPixel(7, 4));
  EXPECT_EQ(image().GetPixel(3, 8), before.GetPixel(3, 8));
  doc().RestoreBackup();
  EXPECT_EQ(image(), before);
}

TEST_F(LassoTest, MovedBlockCarriesItsTransparentPixels) {
  Drag({0, 0}, {3, 3});
  image().SetPixel(1, 1, transparent());
  Press(1, 1);
  Move(11, 11);
  Release(11, 11);
  EXPECT_EQ(image().GetPixel(11, 11), transparent());
  EXPECT_EQ(image().GetPixel(10, 10), Rgb(0, 0, 100));
}

TEST_F(LassoTest, EachMoveRedrawsFromThePressImage) {
  Drag({2, 2}, {4, 4});
  const Surface before = image();
  Press(3, 3);
  Move(20, 20);
  Move(10, 3);
  EXPECT_EQ(image().GetPixel(20, 20), before.GetPixel(20, 20));
  EXPECT_EQ(image().GetPixel(9, 2), before.GetPixel(2, 2));
}

TEST_F(LassoTest, RightButtonReleaseFinishesAMove) {
  Drag({2, 2}, {4, 4}, kRightButton);
  Press(3, 3, kRightButton);
  Move(6, 3, kRightButton);
  EXPECT_TRUE(Release(6, 3, kRightButton));
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_FALSE(tools.GestureActive());
  EXPECT_EQ(image().GetPixel(2, 2), transparent());
  EXPECT_EQ(image().GetPixel(5, 2), Rgb(16, 16, 100));
}

TEST_F(LassoTest, OtherToolsDropTheSelectionAndTheLassoKeepsIt) {
  Drag({2, 2}, {4, 4});
  EXPECT_FALSE(tools.SelectTool(ToolLasso));
  EXPECT_TRUE(doc().SelectionActive);
  EXPECT_TRUE(tools.SelectTool(ToolPencil));
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(doc().Selection, Rect{});
}

TEST_F(LassoTest, DeleteClearsTheSelectionUndoablyAndKeepsIt) {
  Drag({2, 3}, {4, 5});
  doc().Modified = false;
  const Surface before = image();
  EXPECT_TRUE(tools.KeyDown(kKeyDelete));
  EXPECT_EQ(BoundsOf(image(), transparent()), (Rect{2, 3, 5, 6}));
  EXPECT_EQ(CountPixels(image(), transparent()), 9);
  EXPECT_TRUE(doc().SelectionActive);
  EXPECT_FALSE(doc().Modified);
  doc().RestoreBackup();
  EXPECT_EQ(image(), before);
}

TEST_F(LassoTest, DeleteWithoutSelectionOrOtherKeysDoNothing) {
  const Surface before = image();
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  Drag({2, 3}, {4, 5});
  doc().RestoreBackup();  // use up the press's snapshot
  EXPECT_FALSE(tools.KeyDown(45));
  EXPECT_FALSE(tools.KeyPress('x'));
  EXPECT_EQ(image(), before);
  EXPECT_FALSE(doc().UndoAvailable());
}

TEST_F(LassoTest, DeleteDuringADragWaitsForTheRelease) {
  Drag({2, 3}, {4, 5});
  Press(3, 4);
  Move(8, 8);
  EXPECT_FALSE(tools.KeyDown(kKeyDelete));
  Release(8, 8);
}

TEST_F(LassoTest, EscapeDuringANewSelectionRemovesIt) {
  Press(2, 2);
  Move(6, 6);
  EXPECT_TRUE(tools.KeyPress(kCharEscape));
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(Move(9, 9), MoveResult::Cancelled);
  Release(9, 9);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_FALSE(tools.Selecting());
}

TEST_F(LassoTest, EscapeDuringAMovePutsTheBlockBack) {
  Drag({2, 2}, {4, 4});
  const Surface before = image();
  Press(3, 3);
  Move(12, 12);
  tools.KeyPress(kCharEscape);
  EXPECT_EQ(image(), before);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_FALSE(doc().SelectionActive);
  Release(12, 12);
  EXPECT_EQ(image(), before);
  // The next press starts a new selection normally.
  Drag({1, 1}, {2, 2});
  EXPECT_EQ(doc().Selection, (Rect{1, 1, 3, 3}));
}

TEST_F(LassoTest, PressOutsideTheSelectionStartsANewOne) {
  Drag({2, 2}, {4, 4});
  Press(10, 10);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_TRUE(tools.Selecting());
  Release(11, 10);
  EXPECT_EQ(doc().Selection, (Rect{10, 10, 12, 11}));
}

}  // namespace
}  // namespace gs::testing
