#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <set>
#include <utility>

#include "PixelPicture.h"
#include "raster/Shapes.h"

namespace gs {
namespace {

using testing::kInk;
using testing::kPaper;
using testing::Picture;
using testing::ShowsExactly;

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Inked(const Surface& s) {
  PixelSet out;
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.GetPixel(x, y) == kInk) out.insert({x, y});
  return out;
}

PixelSet LinePixels(int w, int h, Point a, Point b, int width = 1) {
  Surface s(w, h, kPaper);
  DrawLine(s, a, b, Pen::Solid(kInk, width));
  return Inked(s);
}

TEST(ThinLine, LeavesOutTheEndPoint) {
  Surface s(16, 8, kPaper);
  DrawLine(s, {5, 5}, {10, 5}, Pen::Solid(kInk));
  EXPECT_TRUE(ShowsExactly(s, 5, 5, {"OOOOO"}));

  Surface slope(8, 8, kPaper);
  DrawLine(slope, {0, 0}, {4, 2}, Pen::Solid(kInk, 0));
  EXPECT_TRUE(ShowsExactly(slope, 0, 0, {"OO..", "..OO"}));
}

TEST(ThinLine, BreaksHalfPixelTiesByOctant) {
  // Each pair ends on an exact tie; the minor axis steps there only in octants
  // 3, 5, 6 and 8.
  struct Case { Point a, b; Picture picture; } cases[] = {
      {{0, 0}, {4, 2}, {"OO...", "..OO.", "....."}},               // octant 1
      {{4, 2}, {0, 0}, {".O...", "..OO.", "....O"}},               // octant 5
      {{0, 0}, {2, 4}, {"O..", "O..", ".O.", ".O.", "..."}},       // octant 2
      {{2, 4}, {0, 0}, {"...", "O..", ".O.", ".O.", "..O"}},       // octant 6
      {{4, 0}, {0, 2}, {"...OO", ".OO..", "....."}},               // octant 4
      {{0, 2}, {4, 0}, {"...O.", ".OO..", "O...."}},               // octant 8
      {{2, 0}, {0, 4}, {"..O", ".O.", ".O.", "O..", "..."}},       // octant 3
      {{0, 4}, {2, 0}, {"...", ".O.", ".O.", "O..", "O.."}}};      // octant 7
  for (const Case& c : cases) {
    Surface s(static_cast<int>(c.picture[0].size()), static_cast<int>(c.picture.size()), kPaper);
    DrawLine(s, c.a, c.b, Pen::Solid(kInk));
    EXPECT_TRUE(ShowsExactly(s, 0, 0, c.picture)) << c.a.x << "," << c.a.y << " to " << c.b.x
                                                  << "," << c.b.y;
  }
}

TEST(ThinLine, LightsTheSamePixelsInBothDirections) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coord(-4, 27);
  for (int n = 0; n < 3000; ++n) {
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    PixelSet forward = LinePixels(24, 24, a, b), backward = LinePixels(24, 24, b, a);
    if (!(a == b)) {
      if (Surface(24, 24).Contains(b.x, b.y)) forward.insert({b.x, b.y});
      if (Surface(24, 24).Contains(a.x, a.y)) backward.insert({a.x, a.y});
    }
    ASSERT_EQ(forward, backward) << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
}

TEST(ThinLine, ZeroLengthAndNullPenDrawNothing) {
  Surface s(8, 8, kPaper);
  DrawLine(s, {3, 3}, {3, 3}, Pen::Solid(kInk));
  DrawLine(s, {0, 0}, {7, 5}, Pen::Null());
  DrawLine(s, {0, 0}, {7, 5}, Pen{Pen::Style::Null, 4, kInk});
  EXPECT_EQ(s, Surface(8, 8, kPaper));
}

// Step-by-step rule, walking every step from a; only for checking the clipped lines.
PixelSet WalkedLine(int w, int h, Point a, Point b) {
  const long long dx = b.x - static_cast<long long>(a.x), dy = b.y - static_cast<long long>(a.y);
  const bool xMajor = std::llabs(dx) > std::llabs(dy);
  const long long major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const bool biased = (dx <= 0 && dy > 0 && !xMajor) || (dx < 0 && dy <= 0) ||
                      (dx >= 0 && dy <= 0 && xMajor);
  long long x = a.x, y = a.y, err = 2 * minor - major;
  PixelSet out;
  for (long long i = 0; i < major; ++i) {
    if (x >= 0 && y >= 0 && x < w && y < h) out.insert({static_cast<int>(x), static_cast<int>(y)});
    const bool stepMinor = err + (biased ? 1 : 0) > 0;
    err += stepMinor ? 2 * minor - 2 * major : 2 * minor;
    if (xMajor) {
      x += dx > 0 ? 1 : -1;
      if (stepMinor) y += dy > 0 ? 1 : -1;
    } else {
      y += dy > 0 ? 1 : -1;
      if (stepMinor) x += dx > 0 ? 1 : -1;
    }
  }
  return out;
}

TEST(ThinLine, LongLinesFromFarOutsideLightTheSamePixelsAsTheFullWalk) {
  const std::pair<Point, Point> lines[] = {
      {{-1000000, -999990}, {1000000, 1000013}}, {{700001, 20}, {-700003, 3}},
      {{15, -900000}, {3, 900007}},              {{-33, 47}, {60, -49}},
      {{500000, -500007}, {-499999, 500000}},    {{-3000, 10}, {3000, 11}}};
  for (const auto& [a, b] : lines) {
    EXPECT_EQ(LinePixels(32, 32, a, b), WalkedLine(32, 32, a, b));
    EXPECT_EQ(LinePixels(32, 32, b, a), WalkedLine(32, 32, b, a));
  }
}

TEST(ThinLine, ExtremeCoordinatesStayExact) {
  Surface s(6, 6, kPaper);
  DrawLine(s, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, Pen::Solid(kInk));
  DrawLine(s, {INT_MIN, 4}, {INT_MAX, 4}, Pen::Solid(kInk));
  EXPECT_TRUE(ShowsExactly(s, 0, 0, {"O.....", ".O....", "..O...", "...O..", "OOOOOO", ".....O"}));
}

TEST(WideLine, Width3HorizontalLineHasRoundEndsAndPaintsItsEndPoint) {
  Surface s(12, 5, kPaper);
  DrawLine(s, {3, 2}, {8, 2}, Pen::Solid(kInk, 3));
  EXPECT_TRUE(ShowsExactly(s, 2, 1, {".OOOOOO.", "OOOOOOOO", ".OOOOOO."}));
}

TEST(WideLine, ZeroLengthLinesShowThePenTip) {
  const Picture tips[] = {{"OO", "OO"},
                          {".O.", "OOO", ".O."},
                          {".OO.", "OOOO", "OOOO", ".OO."},
                          {".OOO.", "OOOOO", "OOOOO", "OOOOO", ".OOO."}};
  for (int width = 2; width <= 5; ++width) {
    Surface s(10, 10, kPaper);
    DrawLine(s, {5, 5}, {5, 5}, Pen::Solid(kInk, width));
    EXPECT_TRUE(ShowsExactly(s, 5 - width / 2, 5 - width / 2, tips[width - 2])) << width;
  }
}

TEST(WideLine, DiagonalsAreEvenBands) {
  Surface two(8, 8, kPaper), three(9, 9, kPaper);
  DrawLine(two, {1, 1}, {6, 6}, Pen::Solid(kInk, 2));
  DrawLine(three, {2, 2}, {6, 6}, Pen::Solid(kInk, 3));
  EXPECT_TRUE(ShowsExactly(two, 0, 0,
                           {"OO......", "OOO.....", ".OOO....", "..OOO...", "...OOO..", "....OOO.",
                            ".....OO.", "........"}));
  EXPECT_TRUE(ShowsExactly(three, 1, 1,
                           {".OO....", "OOOO...", "OOOOO..", ".OOOOO.", "..OOOOO", "...OOOO",
                            "....OO."}));
}

TEST(WideLine, IsTheSameBothWaysAndUnderTransposition) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> coord(-3, 22);
  for (int n = 0; n < 400; ++n) {
    const int width = 2 + n % 4;
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    const PixelSet forward = LinePixels(20, 20, a, b, width);
    EXPECT_EQ(forward, LinePixels(20, 20, b, a, width));
    PixelSet transposed;
    for (const auto& [x, y] : LinePixels(20, 20, {a.y, a.x}, {b.y, b.x}, width))
      transposed.insert({y, x});
    EXPECT_EQ(forward, transposed) << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
}

// (A width-2 pen sits half a pixel up and left of the one-pixel line, as its
// horizontal rows y − 1 and y do, so it may miss a pixel of it.)
TEST(WideLine, CoversTheThinLineFromWidth3) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> coord(0, 19);
  for (int n = 0; n < 300; ++n) {
    const int width = 3 + n % 3;
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    const PixelSet wide = LinePixels(20, 20, a, b, width);
    for (const auto& p : LinePixels(20, 20, a, b))
      ASSERT_TRUE(wide.count(p)) << a.x << "," << a.y << " to " << b.x << "," << b.y << " w" << width;
  }
}

}  // namespace
}  // namespace gs
