#include <gtest/gtest.h>

#include "raster/Shapes.h"
#include "support/PixelPicture.h"

namespace gs {
namespace {

using namespace gs::testing;

// The area spreads through sides only, never across a diagonal gap. A start
// outside or on another colour paints nothing; filling with the area's own
// colour finishes.
TEST(FloodFill, SpreadsThroughSidesOnlyAndStopsAtOtherColoursAndTheEdge) {
  Surface s = FromPicture("...O..../...O..../OOOO..../....OOOO/....O.../....O...");
  EXPECT_TRUE(FloodFillSurface(s, {5, 0}, kPaper, Brush::Solid(kFill)));
  EXPECT_EQ(PictureAt(s, 0, 0, 8, 6), "...O####/...O####/OOOO####/....OOOO/....O.../....O...");
  for (Point start : {Point{-1, 0}, Point{8, 1}, Point{0, 6}, Point{3, 0}})
    EXPECT_FALSE(FloodFillSurface(s, start, kPaper, Brush::Solid(kInk)));
  EXPECT_TRUE(FloodFillSurface(s, {0, 0}, kPaper, Brush::Solid(kPaper)));
  EXPECT_EQ(PictureAt(s, 0, 0, 8, 6), "...O####/...O####/OOOO####/....OOOO/....O.../....O...");
}

// The area turns back up and down again: runs found below seed runs above. From
// the last column and row it reaches every edge.
TEST(FloodFill, FollowsASnakeToEveryEdge) {
  Surface s = FromPicture(".O...O./.O.O.O./.O.O.O./...O...");
  EXPECT_TRUE(FloodFillSurface(s, {6, 3}, kPaper, Brush::Solid(kFill)));
  EXPECT_EQ(PictureAt(s, 0, 0, 7, 4), "#O###O#/#O#O#O#/#O#O#O#/###O###");
}

}  // namespace
}  // namespace gs
