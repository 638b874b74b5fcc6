#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "PixelPicture.h"
#include "raster/Shapes.h"

namespace gs {
namespace {

using namespace gs::testing;
using Pixels = std::set<std::pair<int, int>>;

auto Line(Point a, Point b, int width = 1) {
  return [=](Surface& s) { DrawLine(s, a, b, Pen::Solid(kInk, width)); };
}

class LinePicture : public ::testing::TestWithParam<PictureCase> {};
TEST_P(LinePicture, ShowsExactlyItsPixels) { ExpectPicture(GetParam()); }

// Thin lines leave out their end; those ending on an exact half-pixel tie step
// the minor axis there only in octants 3, 5, 6 and 8. Wide lines have round ends
// and paint their end point; at zero length they show the pen's tip.
INSTANTIATE_TEST_SUITE_P(
    Pictures, LinePicture,
    ::testing::Values(
        PictureCase{Line({5, 5}, {10, 5}), 5, 5,
                    "OOOOO"}, PictureCase{Line({3, 3}, {3, 3}), 0, 0, "."},
        PictureCase{Line({0, 0}, {4, 2}), 0, 0, "OO.../..OO./....."},      // octant 1
        PictureCase{Line({4, 2}, {0, 0}), 0, 0, ".O.../..OO./....O"},      // 5
        PictureCase{Line({0, 0}, {2, 4}), 0, 0, "O../O../.O./.O./..."},    // 2
        PictureCase{Line({2, 4}, {0, 0}), 0, 0, ".../O../.O./.O./..O"},    // 6
        PictureCase{Line({4, 0}, {0, 2}), 0, 0, "...OO/.OO../....."},      // 4
        PictureCase{Line({0, 2}, {4, 0}), 0, 0, "...O./.OO../O...."},      // 8
        PictureCase{Line({2, 0}, {0, 4}), 0, 0, "..O/.O./.O./O../..."},    // 3
        PictureCase{Line({0, 4}, {2, 0}), 0, 0, ".../.O./.O./O../O.."},    // 7
        PictureCase{Line({3, 2}, {8, 2}, 3), 2, 1, ".OOOOOO./OOOOOOOO/.OOOOOO."},
        PictureCase{Line({3, 2}, {8, 2}, 4), 1, 0, ".OOOOOOO./OOOOOOOOO/OOOOOOOOO/.OOOOOOO."},
        PictureCase{Line({5, 5}, {5, 5}, 2), 4, 4, "OO/OO"},
        PictureCase{Line({5, 5}, {5, 5}, 3), 4, 4, ".O./OOO/.O."},
        PictureCase{Line({5, 5}, {5, 5}, 4), 3, 3, ".OO./OOOO/OOOO/.OO."},
        PictureCase{Line({5, 5}, {5, 5}, 5), 3, 3, ".OOO./OOOOO/OOOOO/OOOOO/.OOO."},
        PictureCase{Line({1, 1}, {6, 6}, 2), 0, 0,
                    "OO....../OOO...../.OOO..../..OOO.../...OOO../....OOO./.....OO."},
        PictureCase{Line({2, 2}, {6, 6}, 3), 1, 1,
                    ".OO..../OOOO.../OOOOO../.OOOOO./..OOOOO/...OOOO/....OO."},
        PictureCase{[](Surface& s) { DrawLine(s, {0, 0}, {7, 5}, Pen::Null()); }, 0, 0, "."}));

Pixels LinePixels(Point a, Point b, int width = 1) {
  Surface s(32, 32, kPaper);
  DrawLine(s, a, b, Pen::Solid(kInk, width));
  Pixels out;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (s.GetPixel(x, y) == kInk) out.insert({x, y});
  return out;
}

TEST(ThinLine, LightsTheSamePixelsBothWaysApartFromTheEnd) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coord(-4, 35);
  auto onSurface = [](Point p) { return p.x >= 0 && p.y >= 0 && p.x < 32 && p.y < 32; };
  for (int n = 0; n < 3000; ++n) {
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    Pixels forward = LinePixels(a, b), backward = LinePixels(b, a);
    if (!(a == b) && onSurface(b)) forward.insert({b.x, b.y});
    if (!(a == b) && onSurface(a)) backward.insert({a.x, a.y});
    ASSERT_EQ(forward, backward) << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
}

// A line that starts off the surface begins at its first visible step: the same
// pixels as the whole line drawn where it fits.
TEST(ThinLine, StartingOffTheSurfaceMatchesTheWholeLineAndStaysExactAtTheExtremes) {
  for (const auto& [a, b] : {std::pair<Point, Point>{{-300, -290}, {300, 313}}, {{301, 20}, {-303, 3}},
                             {{15, -300}, {3, 307}}, {{200, -207}, {-199, 200}}})
    for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
      Surface whole(640, 640, kPaper), window(32, 32, kPaper);
      DrawLine(whole, {from.x + 320, from.y + 320}, {to.x + 320, to.y + 320}, Pen::Solid(kInk));
      DrawLine(window, from, to, Pen::Solid(kInk));
      EXPECT_EQ(window, whole.Copy({320, 320, 352, 352})) << from.x << "," << from.y;
    }
  Pixels diagonal;
  for (int i = 0; i < 32; ++i) diagonal.insert({i, i});
  EXPECT_EQ(LinePixels({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}), diagonal);
}

TEST(WideLine, IsTheSameBothWaysAndUnderTransposition) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> coord(-3, 34);
  for (int n = 0; n < 400; ++n) {
    const int width = 2 + n % 4;
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    const Pixels forward = LinePixels(a, b, width);
    Pixels transposed;
    for (const auto& [x, y] : LinePixels({a.y, a.x}, {b.y, b.x}, width)) transposed.insert({y, x});
    EXPECT_EQ(forward, LinePixels(b, a, width));
    EXPECT_EQ(forward, transposed) << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
}

}  // namespace
}  // namespace gs
