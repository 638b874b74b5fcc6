#include <gtest/gtest.h>

#include "PixelPicture.h"
#include "raster/Shapes.h"

namespace gs {
namespace {

using namespace gs::testing;

Surface FromPicture(const std::string& picture) {
  const int w = static_cast<int>(picture.find('/')), h = static_cast<int>(picture.size() + 1) / (w + 1);
  Surface s(w, h, kPaper);
  for (int i = 0; i < static_cast<int>(picture.size()); ++i)
    if (picture[i] == 'O') s.SetPixel(i % (w + 1), i / (w + 1), kInk);
  return s;
}

TEST(FloodFill, SpreadsThroughSidesOnlyAndStopsAtOtherColoursAndTheEdge) {
  Surface s = FromPicture("...O..../...O..../OOOO..../....OOOO/....O.../....O...");
  EXPECT_TRUE(FloodFillSurface(s, {5, 0}, kPaper, Brush::Solid(kFill)));
  EXPECT_EQ(PictureAt(s, 0, 0, 8, 6), "...O####/...O####/OOOO####/....OOOO/....O.../....O...");
}

TEST(FloodFill, RefusesAStartOutsideOrOfAnotherColourAndFinishesOnItsOwnColour) {
  const Surface before = FromPicture("..O/.O./...");
  for (Point start : {Point{-1, 0}, Point{3, 1}, Point{0, 3}, Point{2, 0}}) {
    Surface s = before;
    EXPECT_FALSE(FloodFillSurface(s, start, kPaper, Brush::Solid(kFill)));
    EXPECT_EQ(s, before);
  }
  Surface same = before;
  EXPECT_TRUE(FloodFillSurface(same, {0, 0}, kPaper, Brush::Solid(kPaper)));
  EXPECT_EQ(same, before);
}

TEST(FloodFill, SnakesThroughALargeCombWithoutDeepRecursion) {
  Surface s(1024, 1024, kPaper);
  for (int x = 2; x < 1024; x += 4) {
    DrawLine(s, {x, 0}, {x, 1020}, Pen::Solid(kInk));
    DrawLine(s, {x + 2, 1023}, {x + 2, 3}, Pen::Solid(kInk));
  }
  const std::array<std::uint8_t, 8> stripes{0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
  EXPECT_TRUE(FloodFillSurface(s, {0, 0}, kPaper, Brush::Pattern(stripes, kFill, kInk)));
  EXPECT_EQ(std::count(s.Pixels().begin(), s.Pixels().end(), kPaper), 0);
  EXPECT_EQ(PictureAt(s, 0, 0, 4, 2), "##O#/OOOO");  // pattern rows follow the surface
}

}  // namespace
}  // namespace gs
