#include <gtest/gtest.h>

#include "raster/Shapes.h"
#include "support/PixelPicture.h"
#include "tools/BrushFootprint.h"

namespace gs {
namespace {

using namespace gs::testing;
const Pen kPen = Pen::Solid(kInk);
const Brush kBrush = Brush::Solid(kFill), kHollow = Brush::Hollow();

enum Kind { kRectangle, kEllipse, kRoundRect };

// The shape in `box` (round corners of 10 × 10, as the tool draws them) must show
// `picture` from the box's top-left corner, or as far out as a wide pen reaches.
PictureCase Shape(Kind kind, Rect box, std::string picture, Pen pen = kPen, Brush brush = kBrush) {
  const auto draw = [=](Surface& s) {
    if (kind == kRectangle) DrawRectangle(s, box, pen, brush);
    if (kind == kEllipse) DrawEllipse(s, box, pen, brush);
    if (kind == kRoundRect) DrawRoundRect(s, box, 10, 10, pen, brush);
  };
  const int out = pen.width / 2;
  // "Ellipse2_2_7_7", then what differs from a thin pen over the fill: "NoPen", "Pen3", "Hollow".
  std::string name = std::string(kind == kRectangle ? "Rectangle" : kind == kEllipse ? "Ellipse" : "RoundRect") +
                     PointName({box.left, box.top}) + "_" + PointName({box.right, box.bottom});
  if (pen.IsNull()) name += "NoPen";
  else if (pen.width > 1) name += "Pen" + std::to_string(pen.width);
  if (brush.IsHollow()) name += "Hollow";
  return {draw, std::min(box.left, box.right) - out, std::min(box.top, box.bottom) - out, std::move(picture),
          std::move(name)};
}

class BoxShape : public ::testing::TestWithParam<PictureCase> {};
TEST_P(BoxShape, ShowsExactlyItsPixels) { ExpectPicture(GetParam()); }

// Boxes leave out their right and bottom edge: a drag from (5, 5) to (10, 10)
// gives the box (5, 5, 11, 11); without a pen a Rectangle loses one more column
// and row; a box 2 wide or high is a Rectangle.
const std::string kOutline6 = "OOOOOO/O....O/O....O/O....O/O....O/OOOOOO";
INSTANTIATE_TEST_SUITE_P(
    Pictures, BoxShape,
    ::testing::Values(
        Shape(kRectangle, {5, 5, 11, 11}, kOutline6, kPen, kHollow),
        Shape(kRectangle, {11, 11, 5, 5}, kOutline6, kPen, kHollow),
        Shape(kRectangle, {1, 1, 6, 5}, "OOOOO/O###O/O###O/OOOOO"), Shape(kRectangle, {2, 2, 3, 3}, "O"),
        Shape(kRectangle, {1, 1, 6, 5}, "####/####/####", Pen::Null()),  // one column and row less
        Shape(kRectangle, {3, 3, 3, 9}, "."), Shape(kEllipse, {3, 3, 9, 3}, "."),
        Shape(kEllipse, {2, 2, 7, 7}, ".OOO./O###O/O###O/O###O/.OOO."),
        Shape(kEllipse, {2, 2, 10, 10},
              "..OOOO../.O####O./O######O/O######O/O######O/O######O/.O####O./..OOOO.."),
        Shape(kEllipse, {1, 1, 4, 12}, ".O./.O./O#O/O#O/O#O/O#O/O#O/O#O/O#O/.O./.O."),  // the tips carried on
        Shape(kEllipse, {1, 1, 12, 5}, "..OOOOOOO../OO#######OO/OO#######OO/..OOOOOOO.."),
        // Small boxes where the walk's first steps decide a whole row.
        Shape(kEllipse, {0, 0, 7, 4}, ".OOOOO./O#####O/O#####O/.OOOOO."),
        Shape(kEllipse, {0, 0, 3, 8}, ".O./.O./O#O/O#O/O#O/O#O/.O./.O."),
        Shape(kRoundRect, {1, 1, 7, 6}, ".OOOO./O####O/O####O/O####O/.OOOO."),  // corners larger than the box
        Shape(kEllipse, {7, 7, 2, 2}, ".###./#####/#####/#####/.###.", Pen::Null()),
        Shape(kEllipse, {1, 1, 3, 6}, "#/#/#/#", Pen::Null()), Shape(kRoundRect, {1, 1, 7, 3}, "#####", Pen::Null()),
        Shape(kRoundRect, {0, 0, 12, 12},
              "...OOOOOO.../..O######O../.O########O./O##########O/O##########O/O##########O/"
              "O##########O/O##########O/O##########O/.O########O./..O######O../...OOOOOO..."),
        Shape(kEllipse, {3, 3, 12, 12},
              "....OOO..../..OOOOOOO../.OOOOOOOOO./.OOO###OOO./OOO#####OOO/OOO#####OOO/"
              "OOO#####OOO/.OOO###OOO./.OOOOOOOOO./..OOOOOOO../....OOO....", Pen::Solid(kInk, 3))),
    PictureCaseName);

// The paintbrush's twelve footprints stamped at (10, 10), by the panel's cells.
PictureCase Stamp(int shape, int x, int y, std::string picture) {
  static const char* const kNames[12] = {"Disc7",   "Disc4",   "Dot",     "Square8",  "Square5",  "Square2",
                                         "Rising8", "Rising5", "Rising2", "Falling8", "Falling5", "Falling2"};
  return {[=](Surface& s) { StampBrush(s, shape, {10, 10}, kInk); }, x, y, std::move(picture), kNames[shape]};
}
INSTANTIATE_TEST_SUITE_P(
    Footprints, BoxShape,
    ::testing::Values(
        Stamp(0, 6, 6, "..OOO../.OOOOO./OOOOOOO/OOOOOOO/OOOOOOO/.OOOOO./..OOO.."),
        Stamp(1, 8, 8, ".OO./OOOO/OOOO/.OO."), Stamp(2, 10, 10, "O"),
        Stamp(3, 6, 6, "OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO"),
        Stamp(4, 7, 7, "OOOOO/OOOOO/OOOOO/OOOOO/OOOOO"), Stamp(5, 9, 9, "OO/OO"),
        Stamp(6, 6, 7, ".......O/......O./.....O../....O.../...O..../..O...../.O....../O......."),
        Stamp(7, 7, 9, "....O/...O./..O../.O.../O...."), Stamp(8, 9, 10, ".O/O."),
        Stamp(9, 6, 6, "O......./.O....../..O...../...O..../....O.../.....O../......O./.......O"),
        Stamp(10, 7, 7, "O..../.O.../..O../...O./....O"), Stamp(11, 9, 9, "O./.O")),
    PictureCaseName);

// Shapes hanging over any edge show exactly the part that falls on the surface.
TEST(ShapeClipping, MatchesTheSameShapeOnALargerSurface) {
  const std::function<void(Surface&, int, int)> shapes[] = {
      [](Surface& s, int x, int y) { DrawEllipse(s, {x - 6, y - 3, x + 7, y + 5}, Pen::Solid(kInk, 3), kBrush); },
      [](Surface& s, int x, int y) { DrawRoundRect(s, {x - 7, y - 6, x + 8, y + 6}, 10, 10, kPen, kBrush); },
      [](Surface& s, int x, int y) { DrawLine(s, {x - 9, y + 4}, {x + 9, y - 3}, Pen::Solid(kInk, 4)); }};
  for (const auto& shape : shapes)
    for (int c = 0; c < 9; ++c) {
      Surface small(8, 8, kPaper), large(40, 40, kPaper);
      shape(small, c % 3 * 7 / 2, c / 3 * 7 / 2);
      shape(large, c % 3 * 7 / 2 + 16, c / 3 * 7 / 2 + 16);
      EXPECT_EQ(small, large.Copy({16, 16, 24, 24})) << c;
    }
}

}  // namespace
}  // namespace gs
