#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "raster/Shapes.h"
#include "support/PixelPicture.h"

namespace gs {
namespace {

using namespace gs::testing;

// The line from a to b must show `picture` at (x, y) and nothing else.
PictureCase L(Point a, Point b, std::string picture, int x = 0, int y = 0, int width = 1) {
  return {[=](Surface& s) { DrawLine(s, a, b, Pen::Solid(kInk, width)); }, x, y, std::move(picture),
          "From" + PointName(a) + "To" + PointName(b) + (width > 1 ? "Width" + std::to_string(width) : "")};
}

class LinePicture : public ::testing::TestWithParam<PictureCase> {};
TEST_P(LinePicture, ShowsExactlyItsPixels) { ExpectPicture(GetParam()); }

// Thin lines leave out their end; those ending on an exact half-pixel tie step
// the minor axis there only in octants 3, 5, 6 and 8 (diagonals are among the
// paintbrush's footprints). Wide lines have round ends and paint their end point;
// at zero length they show the pen's tip.
INSTANTIATE_TEST_SUITE_P(
    Pictures, LinePicture,
    ::testing::Values(
        L({5, 5}, {10, 5}, "OOOOO", 5, 5), L({3, 3}, {3, 3}, "."),
        L({0, 0}, {4, 2}, "OO.../..OO./....."), L({4, 2}, {0, 0}, ".O.../..OO./....O"),      // octants 1, 5
        L({0, 0}, {2, 4}, "O../O../.O./.O./..."), L({2, 4}, {0, 0}, ".../O../.O./.O./..O"),  // 2, 6
        L({4, 0}, {0, 2}, "...OO/.OO../....."), L({0, 2}, {4, 0}, "...O./.OO../O...."),      // 4, 8
        L({2, 0}, {0, 4}, "..O/.O./.O./O../..."), L({0, 4}, {2, 0}, ".../.O./.O./O../O.."),  // 3, 7
        L({3, 2}, {8, 2}, ".OOOOOO./OOOOOOOO/.OOOOOO.", 2, 1, 3),
        L({2, 3}, {2, 8}, ".OO./OOOO/OOOO/OOOO/OOOO/OOOO/OOOO/OOOO/.OO.", 0, 1, 4), L({5, 5}, {5, 5}, "OO/OO", 4, 4, 2),
        L({1, 1}, {6, 6}, "OO....../OOO...../.OOO..../..OOO.../...OOO../....OOO./.....OO.", 0, 0, 2),
        PictureCase{[](Surface& s) { DrawLine(s, {0, 0}, {7, 5}, Pen::Null()); }, 0, 0, ".", "NullPen"}),
    PictureCaseName);

Surface Drawn(Point a, Point b, int width) {
  Surface s(32, 32, kPaper);
  DrawLine(s, a, b, Pen::Solid(kInk, width));
  if (width == 1 && !(a == b)) s.SetPixel(b.x, b.y, kInk);  // so that both directions compare
  return s;
}

// Thin lines apart from their left-out end, and wide lines as they are, light the
// same pixels drawn either way.
TEST(Line, IsTheSameBothWays) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coord(-4, 35);
  for (int n = 0; n < 500; ++n) {
    const int width = 1 + n % 5;
    const Point a{coord(random), coord(random)}, b{coord(random), coord(random)};
    ASSERT_EQ(Drawn(a, b, width), Drawn(b, a, width))
        << a.x << "," << a.y << " to " << b.x << "," << b.y << " width " << width;
  }
}

// A line that starts off the surface begins at its first visible step: the same
// pixels as the whole line drawn where it fits, even from the ends of the int range.
TEST(Line, StartingFarOffTheSurfaceShowsTheSamePixels) {
  const Point ends[] = {{-300, -290}, {300, 313}, {301, 20}, {-303, 3}, {15, -300}, {3, 307}, {200, -207}, {-199, 200}};
  for (int i = 0; i < 8; ++i) {
    const Point from = ends[i], to = ends[i ^ 1];
    Surface whole(640, 640, kPaper), window(32, 32, kPaper);
    DrawLine(whole, {from.x + 320, from.y + 320}, {to.x + 320, to.y + 320}, Pen::Solid(kInk));
    DrawLine(window, from, to, Pen::Solid(kInk));
    EXPECT_EQ(window, whole.Copy({320, 320, 352, 352})) << from.x << "," << from.y;
  }
  EXPECT_EQ(Drawn({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 1), Drawn({0, 0}, {32, 32}, 1));
}

}  // namespace
}  // namespace gs
