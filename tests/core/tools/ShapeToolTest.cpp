// Line, Rectangle, Circle and Rounded Rectangle: end points, fill styles,
// rubber band and Escape.

#include "ToolTestSupport.h"

namespace gs::testing {
namespace {

struct Direction {
  Point from, to;
  Rect outlined;  // the box the Rectangle outlines
  friend void PrintTo(const Direction& d, std::ostream* os) {
    *os << "(" << d.from.x << "," << d.from.y << ")->(" << d.to.x << "," << d.to.y << ")";
  }
};

class RectangleDirections : public ToolTest, public ::testing::WithParamInterface<Direction> {};

// Dragged right or down the box includes the cursor's pixel; dragged left or
// up it reaches the cursor's pixel and stops one short of the anchor.
TEST_P(RectangleDirections, OutlineFollowsTheEndPointRule) {
  const Direction d = GetParam();
  Use(ToolRectangle);
  Drag(d.from, d.to);
  EXPECT_EQ(BoundsOf(image(), kRed), d.outlined);
  const Rect& r = d.outlined;
  EXPECT_EQ(CountPixels(image(), kRed), 2 * (r.Width() + r.Height()) - 4);
  EXPECT_EQ(image().GetPixel(r.left + 1, r.top + 1), transparent());
}

INSTANTIATE_TEST_SUITE_P(FourWays, RectangleDirections,
                         ::testing::Values(Direction{{5, 5}, {10, 10}, {5, 5, 11, 11}},
                                           Direction{{10, 10}, {5, 5}, {5, 5, 10, 10}},
                                           Direction{{10, 5}, {5, 10}, {5, 5, 10, 11}},
                                           Direction{{5, 10}, {10, 5}, {5, 5, 11, 10}}));

TEST_F(ToolTest, BoxShapesDraggedBackwardsCoverTheSameBoxAsForwards) {
  for (int tool : {ToolCircle, ToolRoundedRectangle}) {
    Use(tool);
    image().Fill(transparent());
    Drag({4, 6}, {20, 17});
    const Surface forwards = image();
    image().Fill(transparent());
    Drag({21, 18}, {4, 6});
    EXPECT_EQ(image(), forwards) << tool;
    EXPECT_EQ(BoundsOf(image(), kRed), (Rect{4, 6, 21, 18})) << tool;
  }
}

TEST_F(ToolTest, ClickWithRectanglePaintsOnePixel) {
  Use(ToolRectangle);
  Press(7, 8);
  Release(7, 8);
  EXPECT_EQ(CountPixels(image(), kRed), 1);
  EXPECT_EQ(image().GetPixel(7, 8), kRed);
}

TEST_F(ToolTest, LinePaintsBothEnds) {
  Use(ToolLine);
  Drag({5, 5}, {10, 5});
  EXPECT_EQ(Picture(image(), {4, 4, 12, 7}, kRed),
            "........\n"
            ".######.\n"
            "........\n");
  image().Fill(transparent());
  Drag({10, 9}, {4, 6}, kRightButton);
  EXPECT_EQ(image().GetPixel(10, 9), kBlue);
  EXPECT_EQ(image().GetPixel(4, 6), kBlue);
}

TEST_F(ToolTest, WiderLinesUseThePenWidth) {
  Use(ToolLine);
  int previous = 0;
  for (int width = 0; width < 5; ++width) {
    state.Tools.LineWidth = static_cast<std::uint8_t>(width);
    image().Fill(transparent());
    Drag({8, 15}, {22, 15});
    const Rect box = BoundsOf(image(), kRed);
    EXPECT_EQ(box.Height(), width + 1) << width;
    EXPECT_GT(CountPixels(image(), kRed), previous);
    previous = CountPixels(image(), kRed);
  }
}

TEST_F(ToolTest, FillStylesTakeTheirColoursWhicheverButtonDrags) {
  Use(ToolRectangle);
  struct { int style; MouseButton button; std::string picture; } cases[] = {
      // Outline in the button's colour, inside left alone.
      {0, kRightButton, "bbbb\nb..b\nb..b\nbbbb\n"},
      // Fore-colour outline over a back-colour inside.
      {1, kRightButton, "rrrr\nrbbr\nrbbr\nrrrr\n"},
      // Back-colour fill, no outline; the platform's rectangle without a pen
      // is one pixel smaller.
      {2, kLeftButton, "bbb.\nbbb.\nbbb.\n....\n"},
  };
  for (const auto& c : cases) {
    state.Tools.RectangleFill = static_cast<std::uint8_t>(c.style);
    image().Fill(transparent());
    Drag({2, 2}, {5, 5}, c.button);
    std::string picture;
    for (int y = 2; y < 6; ++y, picture += '\n')
      for (int x = 2; x < 6; ++x) {
        const Colour p = image().GetPixel(x, y);
        picture += p == kRed ? 'r' : p == kBlue ? 'b' : '.';
      }
    EXPECT_EQ(picture, c.picture) << "style " << c.style;
  }
}

TEST_F(ToolTest, EachBoxShapeKeepsItsOwnFillStyle) {
  state.Tools.RectangleFill = 0;
  state.Tools.CircleFill = 2;
  state.Tools.RoundRectFill = 1;
  Use(ToolCircle);
  Drag({2, 2}, {12, 12});
  EXPECT_EQ(CountPixels(image(), kRed), 0);
  EXPECT_GT(CountPixels(image(), kBlue), 50);
  image().Fill(transparent());
  Use(ToolRoundedRectangle);
  Drag({2, 2}, {12, 12});
  EXPECT_EQ(image().GetPixel(7, 2), kRed);
  EXPECT_EQ(image().GetPixel(7, 7), kBlue);
}

TEST_F(ToolTest, RubberBandShowsOnlyTheLatestShape) {
  Use(ToolRectangle);
  image().SetPixel(20, 20, kGreen);
  Press(5, 5);
  Move(25, 25);
  Move(8, 8);
  EXPECT_EQ(BoundsOf(image(), kRed), (Rect{5, 5, 9, 9}));
  EXPECT_EQ(image().GetPixel(20, 20), kGreen);
  // The colour in effect at the release draws the final shape.
  state.ForeColour = 0x010203;
  Release(9, 9);
  EXPECT_EQ(CountPixels(image(), kRed), 0);
  EXPECT_EQ(BoundsOf(image(), 0x010203), (Rect{5, 5, 10, 10}));
}

TEST_F(ToolTest, EscapeThenReleaseLeavesTheImageAsBeforeThePress) {
  for (int tool : {ToolLine, ToolRectangle, ToolCircle, ToolRoundedRectangle}) {
    Use(tool);
    image().Fill(transparent());
    image().SetPixel(3, 3, kGreen);
    const Surface before = image();
    Press(2, 2);
    Move(20, 14);
    EXPECT_TRUE(tools.KeyPress(kCharEscape));
    EXPECT_EQ(image(), before) << tool;
    EXPECT_EQ(Move(25, 25), MoveResult::Cancelled);
    Release(25, 25);
    EXPECT_EQ(image(), before) << tool;
    image().Fill(kGreen);
    doc().RestoreBackup();
    EXPECT_EQ(image(), before) << tool;
  }
}

TEST_F(ToolTest, UndoRemovesACommittedShape) {
  Use(ToolCircle);
  const Surface before = image();
  Drag({3, 3}, {20, 20});
  EXPECT_NE(image(), before);
  doc().RestoreBackup();
  EXPECT_EQ(image(), before);
}

TEST_F(ToolTest, ShapesPastTheEdgeAreClipped) {
  Use(ToolRectangle);
  Drag({20, 20}, {40, 40});
  EXPECT_EQ(BoundsOf(image(), kRed), (Rect{20, 20, 32, 32}));
  EXPECT_EQ(CountPixels(image(), kRed), 12 + 11);
}

}  // namespace
}  // namespace gs::testing
