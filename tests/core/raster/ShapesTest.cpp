#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "PixelPicture.h"
#include "raster/Shapes.h"

namespace gs {
namespace {

using testing::kFill;
using testing::kInk;
using testing::kPaper;
using testing::Picture;
using testing::ShowsExactly;

const Pen kPen = Pen::Solid(kInk);
const Brush kBrush = Brush::Solid(kFill);

TEST(Rectangle, OutlinesTheBoxLeavingOutItsRightAndBottomEdges) {
  Surface s(16, 16, kPaper);
  DrawRectangle(s, {5, 5, 11, 11}, kPen, Brush::Hollow());
  EXPECT_TRUE(ShowsExactly(s, 5, 5,
                           {"OOOOOO", "O....O", "O....O", "O....O", "O....O", "OOOOOO"}));

  // Corners in any order give the same box; dragged up-left the tool passes (10,10)-(5,5).
  Surface reversed(16, 16, kPaper);
  DrawRectangle(reversed, {11, 5, 5, 11}, kPen, Brush::Hollow());
  EXPECT_EQ(reversed, s);
}

TEST(Rectangle, PaintsTheBrushInsideAndThePenOnTop) {
  Surface s(8, 8, kPaper);
  DrawRectangle(s, {1, 1, 6, 5}, kPen, kBrush);
  EXPECT_TRUE(ShowsExactly(s, 1, 1, {"OOOOO", "O###O", "O###O", "OOOOO"}));
}

TEST(Rectangle, WithoutAPenTheBrushLosesTheRightColumnAndBottomRow) {
  Surface s(8, 8, kPaper);
  DrawRectangle(s, {1, 1, 6, 5}, Pen::Null(), kBrush);
  EXPECT_TRUE(ShowsExactly(s, 1, 1, {"####", "####", "####"}));
}

TEST(Rectangle, ThinAndSinglePixelBoxesAreAllOutline) {
  Surface s(8, 8, kPaper);
  DrawRectangle(s, {2, 2, 3, 3}, kPen, kBrush);  // a press and release on one pixel
  DrawRectangle(s, {4, 1, 5, 5}, kPen, kBrush);
  EXPECT_TRUE(ShowsExactly(s, 2, 1, {"..O", "O.O", "..O", "..O"}));
}

TEST(Rectangle, EmptyBoxesAndHollowNullShapesDrawNothing) {
  for (const Rect& box : {Rect{3, 3, 3, 7}, Rect{3, 3, 7, 3}, Rect{5, 5, 5, 5}}) {
    Surface s(8, 8, kPaper);
    DrawRectangle(s, box, kPen, kBrush);
    DrawEllipse(s, box, kPen, kBrush);
    DrawRoundRect(s, box, 10, 10, kPen, kBrush);
    EXPECT_EQ(s, Surface(8, 8, kPaper));
  }
  Surface s(8, 8, kPaper);
  DrawEllipse(s, {0, 0, 8, 8}, Pen::Null(), Brush::Hollow());
  EXPECT_EQ(s, Surface(8, 8, kPaper));
}

TEST(Rectangle, PatternBrushIsAlignedToTheSurface) {
  const std::array<std::uint8_t, 8> checker{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  Surface s(8, 8, kPaper);
  DrawRectangle(s, {1, 2, 6, 6}, Pen::Null(), Brush::Pattern(checker, kFill, kInk));
  EXPECT_TRUE(ShowsExactly(s, 1, 2, {"#O#O", "O#O#", "#O#O"}));
}

// The paintbrush stamps, drawn with pen and brush of one colour at (10, 10).
struct Footprint {
  const char* name;
  std::function<void(Surface&, int, int)> draw;
  int dx, dy;  // top-left of the picture from the cursor
  Picture picture;
};

void PrintTo(const Footprint& f, std::ostream* os) { *os << f.name; }

class PaintbrushFootprint : public ::testing::TestWithParam<Footprint> {};

TEST_P(PaintbrushFootprint, CoversExactlyItsPixels) {
  const Footprint& f = GetParam();
  Surface s(24, 24, kPaper);
  f.draw(s, 10, 10);
  EXPECT_TRUE(ShowsExactly(s, 10 + f.dx, 10 + f.dy, f.picture));
}

void Disc(Surface& s, int l, int t, int r, int b) {
  DrawEllipse(s, {l, t, r, b}, kPen, Brush::Solid(kInk));
}
void Square(Surface& s, int l, int t, int r, int b) {
  DrawRectangle(s, {l, t, r, b}, kPen, Brush::Solid(kInk));
}
void Stroke(Surface& s, int x0, int y0, int x1, int y1) { DrawLine(s, {x0, y0}, {x1, y1}, kPen); }

const Picture kRising8 = {".......O", "......O.", ".....O..", "....O...",
                          "...O....", "..O.....", ".O......", "O......."};
const Picture kFalling8 = {"O.......", ".O......", "..O.....", "...O....",
                           "....O...", ".....O..", "......O.", ".......O"};

INSTANTIATE_TEST_SUITE_P(
    AllTwelve, PaintbrushFootprint,
    ::testing::Values(
        Footprint{"disc7", [](Surface& s, int x, int y) { Disc(s, x - 4, y - 4, x + 3, y + 3); },
                  -4, -4,
                  {"..OOO..", ".OOOOO.", "OOOOOOO", "OOOOOOO", "OOOOOOO", ".OOOOO.", "..OOO.."}},
        Footprint{"disc4", [](Surface& s, int x, int y) { Disc(s, x - 2, y - 2, x + 2, y + 2); },
                  -2, -2, {".OO.", "OOOO", "OOOO", ".OO."}},
        Footprint{"square8", [](Surface& s, int x, int y) { Square(s, x - 4, y - 4, x + 4, y + 4); },
                  -4, -4, Picture(8, "OOOOOOOO")},
        Footprint{"square5", [](Surface& s, int x, int y) { Square(s, x - 3, y - 3, x + 2, y + 2); },
                  -3, -3, Picture(5, "OOOOO")},
        Footprint{"square2", [](Surface& s, int x, int y) { Square(s, x - 1, y - 1, x + 1, y + 1); },
                  -1, -1, Picture(2, "OO")},
        Footprint{"rising8", [](Surface& s, int x, int y) { Stroke(s, x - 4, y + 4, x + 4, y - 4); },
                  -4, -3, kRising8},
        Footprint{"rising5", [](Surface& s, int x, int y) { Stroke(s, x - 3, y + 3, x + 2, y - 2); },
                  -3, -1, {"....O", "...O.", "..O..", ".O...", "O...."}},
        Footprint{"rising2", [](Surface& s, int x, int y) { Stroke(s, x - 1, y + 1, x + 1, y - 1); },
                  -1, 0, {".O", "O."}},
        Footprint{"falling8", [](Surface& s, int x, int y) { Stroke(s, x - 4, y - 4, x + 4, y + 4); },
                  -4, -4, kFalling8},
        Footprint{"falling5", [](Surface& s, int x, int y) { Stroke(s, x - 3, y - 3, x + 2, y + 2); },
                  -3, -3, {"O....", ".O...", "..O..", "...O.", "....O"}},
        Footprint{"falling2", [](Surface& s, int x, int y) { Stroke(s, x - 1, y - 1, x + 1, y + 1); },
                  -1, -1, {"O.", ".O"}}));

// Shapes hanging over any edge show exactly the part that falls on the surface.
TEST(ShapeClipping, MatchesTheSameShapeOnALargerSurface) {
  using Shape = std::function<void(Surface&, int, int)>;
  const Shape shapes[] = {
      [](Surface& s, int x, int y) { DrawRectangle(s, {x - 3, y - 4, x + 5, y + 6}, kPen, kBrush); },
      [](Surface& s, int x, int y) { DrawEllipse(s, {x - 6, y - 3, x + 7, y + 5}, kPen, kBrush); },
      [](Surface& s, int x, int y) {
        DrawRoundRect(s, {x - 7, y - 6, x + 8, y + 6}, 10, 10, kPen, kBrush);
      },
      [](Surface& s, int x, int y) {
        DrawEllipse(s, {x - 6, y - 5, x + 7, y + 6}, Pen::Solid(kInk, 3), kBrush);
      },
      [](Surface& s, int x, int y) { DrawLine(s, {x - 9, y + 4}, {x + 9, y - 3}, kPen); },
      [](Surface& s, int x, int y) { DrawLine(s, {x + 3, y - 9}, {x - 2, y + 9}, kPen); },
      [](Surface& s, int x, int y) { DrawLine(s, {x - 9, y + 4}, {x + 9, y - 3}, Pen::Solid(kInk, 4)); }};
  const int margin = 16;
  for (const Shape& shape : shapes)
    for (int cx : {0, 3, 7})
      for (int cy : {0, 4, 7}) {
        Surface small(8, 8, kPaper), large(8 + 2 * margin, 8 + 2 * margin, kPaper);
        shape(small, cx, cy);
        shape(large, cx + margin, cy + margin);
        EXPECT_EQ(small, large.Copy({margin, margin, margin + 8, margin + 8}))
            << "centre " << cx << "," << cy;
      }
}

}  // namespace
}  // namespace gs
