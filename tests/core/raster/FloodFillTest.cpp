#include <gtest/gtest.h>

#include "PixelPicture.h"
#include "raster/Shapes.h"

namespace gs {
namespace {

using testing::kFill;
using testing::kInk;
using testing::kPaper;
using testing::Picture;
using testing::PictureAt;

Surface FromPicture(const Picture& rows) {
  Surface s(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kPaper);
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) {
      const char c = rows[y][x];
      s.SetPixel(x, y, c == 'O' ? kInk : c == '#' ? kFill : kPaper);
    }
  return s;
}

TEST(FloodFill, SpreadsOnlyThroughSidesNeverThroughADiagonalGap) {
  Surface s = FromPicture({"...O....",
                           "...O....",
                           "OOOO....",
                           "....OOOO",
                           "....O...",
                           "....O..."});
  EXPECT_TRUE(FloodFillSurface(s, {5, 0}, kPaper, Brush::Solid(kFill)));
  EXPECT_EQ(PictureAt(s, 0, 0, 8, 6), (Picture{"...O####",
                                               "...O####",
                                               "OOOO####",
                                               "....OOOO",
                                               "....O...",
                                               "....O..."}));
}

TEST(FloodFill, FollowsWindingPassagesToTheSurfaceEdge) {
  Surface s = FromPicture({".O......",
                           ".O.OOOO.",
                           ".O.O..O.",
                           ".O.O.OO.",
                           "...O....",
                           "OOOOOOO."});
  EXPECT_TRUE(FloodFillSurface(s, {4, 2}, kPaper, Brush::Solid(kFill)));
  EXPECT_EQ(PictureAt(s, 0, 0, 8, 6), (Picture{"#O######",
                                               "#O#OOOO#",
                                               "#O#O##O#",
                                               "#O#O#OO#",
                                               "###O####",
                                               "OOOOOOO#"}));
}

TEST(FloodFill, RefusesAStartOutsideOrOfAnotherColour) {
  const Surface before = FromPicture({"..O", ".O.", "..."});
  for (Point start : {Point{-1, 0}, Point{3, 1}, Point{0, 3}, Point{2, 0}}) {
    Surface s = before;
    EXPECT_FALSE(FloodFillSurface(s, start, kPaper, Brush::Solid(kFill)));
    EXPECT_EQ(s, before);
  }
}

TEST(FloodFill, WithTheSameColourFinishesAndChangesNothing) {
  const Surface before = FromPicture({"..O", ".O.", "..."});
  Surface s = before;
  EXPECT_TRUE(FloodFillSurface(s, {0, 0}, kPaper, Brush::Solid(kPaper)));
  EXPECT_EQ(s, before);
}

TEST(FloodFill, PaintsWithAPatternAlignedToTheSurface) {
  Surface s = FromPicture({"....", "OO..", "...."});
  const std::array<std::uint8_t, 8> stripes{0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
  EXPECT_TRUE(FloodFillSurface(s, {3, 0}, kPaper, Brush::Pattern(stripes, kFill, kInk)));
  EXPECT_EQ(PictureAt(s, 0, 0, 4, 3), (Picture{"####", "OOOO", "####"}));
}

TEST(FloodFill, FillsALargeSurfaceWithoutDeepRecursion) {
  Surface s(1024, 1024, kPaper);
  for (int x = 2; x < 1024; x += 4) {  // a comb: the fill must snake through every gap
    DrawLine(s, {x, 0}, {x, 1020}, Pen::Solid(kInk));
    DrawLine(s, {x + 2, 1023}, {x + 2, 3}, Pen::Solid(kInk));
  }
  EXPECT_TRUE(FloodFillSurface(s, {0, 0}, kPaper, Brush::Solid(kFill)));
  int paper = 0;
  for (Colour c : s.Pixels()) paper += c == kPaper;
  EXPECT_EQ(paper, 0);
}

}  // namespace
}  // namespace gs
