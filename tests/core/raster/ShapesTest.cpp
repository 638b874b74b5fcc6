#include <gtest/gtest.h>

#include <climits>

#include "PixelPicture.h"
#include "raster/Shapes.h"
#include "raster/ShapesDetail.h"

namespace gs {
namespace {

using namespace gs::testing;
const Pen kPen = Pen::Solid(kInk);
const Brush kBrush = Brush::Solid(kFill), kInkBrush = Brush::Solid(kInk);
const std::array<std::uint8_t, 8> kChecker{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};

auto Rectangle(Rect r, Pen pen = kPen, Brush brush = kBrush) {
  return [=](Surface& s) { DrawRectangle(s, r, pen, brush); };
}
auto Ellipse(Rect r, Pen pen = kPen, Brush brush = kBrush) {
  return [=](Surface& s) { DrawEllipse(s, r, pen, brush); };
}
auto RoundRect(Rect r, int cw, int ch, Pen pen = kPen) {
  return [=](Surface& s) { DrawRoundRect(s, r, cw, ch, pen, kBrush); };
}

class BoxShape : public ::testing::TestWithParam<PictureCase> {};
TEST_P(BoxShape, ShowsExactlyItsPixels) { ExpectPicture(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Pictures, BoxShape,
    ::testing::Values(
        PictureCase{Rectangle({5, 5, 11, 11}, kPen, Brush::Hollow()), 5, 5,
                    "OOOOOO/O....O/O....O/O....O/O....O/OOOOOO"},
        PictureCase{Rectangle({11, 11, 5, 5}, kPen, Brush::Hollow()), 5, 5,
                    "OOOOOO/O....O/O....O/O....O/O....O/OOOOOO"},
        PictureCase{Rectangle({1, 1, 6, 5}), 1, 1, "OOOOO/O###O/O###O/OOOOO"},
        PictureCase{Rectangle({1, 1, 6, 5}, Pen::Null()), 1, 1, "####/####/####"},
        PictureCase{Rectangle({2, 2, 3, 3}), 2, 2, "O"},  // a press and release on one pixel
        PictureCase{Rectangle({1, 2, 6, 6}, Pen::Null(), Brush::Pattern(kChecker, kFill, kInk)), 1, 2,
                    "#O#O/O#O#/#O#O"},
        PictureCase{Rectangle({3, 3, 3, 9}), 0, 0, "."},  // empty boxes draw nothing
        PictureCase{Ellipse({3, 3, 9, 3}), 0, 0, "."},
        PictureCase{Ellipse({2, 2, 5, 5}), 2, 2, ".O./O#O/.O."},
        PictureCase{Ellipse({2, 2, 6, 6}), 2, 2, ".OO./O##O/O##O/.OO."},
        PictureCase{Ellipse({2, 2, 7, 7}), 2, 2, ".OOO./O###O/O###O/O###O/.OOO."},
        PictureCase{Ellipse({2, 2, 9, 9}), 2, 2,
                    "..OOO../.O###O./O#####O/O#####O/O#####O/.O###O./..OOO.."},
        PictureCase{Ellipse({2, 2, 10, 10}), 2, 2,
                    "..OOOO../.O####O./O######O/O######O/O######O/O######O/.O####O./..OOOO.."},
        PictureCase{Ellipse({7, 7, 2, 2}, Pen::Null()), 2, 2, ".###./#####/#####/#####/.###."},
        PictureCase{Ellipse({2, 2, 9, 9}, Pen::Solid(kFill), Brush::Hollow()), 2, 2,
                    "..###../.#...#./#.....#/#.....#/#.....#/.#...#./..###.."},
        PictureCase{Ellipse({1, 1, 3, 6}, Pen::Null()), 1, 1, "#/#/#/#"},  // 2 wide: a rectangle
        PictureCase{RoundRect({0, 0, 6, 6}, 10, 10), 0, 0,
                    "..OO../.O##O./O####O/O####O/.O##O./..OO.."},
        PictureCase{RoundRect({1, 1, 6, 5}, 10, 2, Pen::Null()), 1, 1, "####/####/####"},
        PictureCase{RoundRect({0, 0, 12, 12}, 10, 10), 0, 0,
                    "...OOOOOO.../..O######O../.O########O./O##########O/O##########O/O##########O/"
                    "O##########O/O##########O/O##########O/.O########O./..O######O../...OOOOOO..."},
        PictureCase{Ellipse({3, 3, 12, 12}, Pen::Solid(kInk, 3)), 2, 2,
                    "....OOO..../..OOOOOOO../.OOOOOOOOO./.OOO###OOO./OOO#####OOO/OOO#####OOO/"
                    "OOO#####OOO/.OOO###OOO./.OOOOOOOOO./..OOOOOOO../....OOO...."},
        // The paintbrush stamps at (10, 10), pen and brush of one colour.
        PictureCase{Ellipse({6, 6, 13, 13}, kPen, kInkBrush), 6, 6,
                    "..OOO../.OOOOO./OOOOOOO/OOOOOOO/OOOOOOO/.OOOOO./..OOO.."},
        PictureCase{Ellipse({8, 8, 12, 12}, kPen, kInkBrush), 8, 8, ".OO./OOOO/OOOO/.OO."},
        PictureCase{Rectangle({6, 6, 14, 14}, kPen, kInkBrush), 6, 6,
                    "OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO/OOOOOOOO"},
        PictureCase{Rectangle({7, 7, 12, 12}, kPen, kInkBrush), 7, 7,
                    "OOOOO/OOOOO/OOOOO/OOOOO/OOOOO"},
        PictureCase{Rectangle({9, 9, 11, 11}, kPen, kInkBrush), 9, 9, "OO/OO"}));

// Rows symmetric both ways, each one unbroken run with outline at both ends,
// widening towards the middle, and the box reached on all four sides.
void ExpectSoundRoundShape(const Surface& s) {
  const int w = s.Width(), h = s.Height();
  size_t previous = w;
  for (int y = 0; y < h; ++y) {
    const std::string row = PictureAt(s, 0, y, w, 1);
    const auto first = row.find_first_not_of('.'), last = row.find_last_not_of('.');
    ASSERT_EQ(row, PictureAt(s, 0, h - 1 - y, w, 1)) << y;
    ASSERT_EQ(row, std::string(row.rbegin(), row.rend())) << y;
    ASSERT_TRUE(first != std::string::npos && row[first] == 'O' && row[last] == 'O') << y;
    ASSERT_EQ(row.substr(first, last - first + 1).find('.'), std::string::npos) << y;
    if (2 * y < h) {
      ASSERT_LE(first, previous) << y;
    }
    previous = first;
  }
  ASSERT_TRUE(s.GetPixel(0, h / 2) == kInk && s.GetPixel(w / 2, 0) == kInk);
}

TEST(RoundShapes, EverySizeAndCornerIsSound) {
  for (int w = 3; w <= 40; ++w)
    for (int h = 3; h <= 40; ++h) {
      Surface ellipse(w, h, kPaper), rounded(w, h, kPaper);
      DrawEllipse(ellipse, {0, 0, w, h}, kPen, kBrush);
      DrawRoundRect(rounded, {0, 0, w, h}, h / 2 + 1, w / 3 + 1, kPen, kBrush);
      ExpectSoundRoundShape(ellipse);
      ExpectSoundRoundShape(rounded);
      if (HasFatalFailure()) FAIL() << w << " x " << h;
    }
}

// Shapes hanging over any edge show exactly the part that falls on the surface.
TEST(ShapeClipping, MatchesTheSameShapeOnALargerSurface) {
  const std::function<void(Surface&, int, int)> shapes[] = {
      [](Surface& s, int x, int y) { DrawRectangle(s, {x - 3, y - 4, x + 5, y + 6}, kPen, kBrush); },
      [](Surface& s, int x, int y) {
        DrawEllipse(s, {x - 6, y - 3, x + 7, y + 5}, Pen::Solid(kInk, 3), kBrush);
      },
      [](Surface& s, int x, int y) { DrawRoundRect(s, {x - 7, y - 6, x + 8, y + 6}, 10, 10, kPen, kBrush); },
      [](Surface& s, int x, int y) { DrawLine(s, {x + 3, y - 9}, {x - 2, y + 9}, kPen); },
      [](Surface& s, int x, int y) { DrawLine(s, {x - 9, y + 4}, {x + 9, y - 3}, Pen::Solid(kInk, 4)); }};
  for (const auto& shape : shapes)
    for (int c = 0; c < 9; ++c) {
      Surface small(8, 8, kPaper), large(40, 40, kPaper);
      shape(small, c % 3 * 7 / 2, c / 3 * 7 / 2);
      shape(large, c % 3 * 7 / 2 + 16, c / 3 * 7 / 2 + 16);
      EXPECT_EQ(small, large.Copy({16, 16, 24, 24})) << c;
    }
}

TEST(HugeShapes, FinishAndShowTheRightPart) {
  Surface inside(32, 32, kPaper), away(32, 32, kPaper), edge(32, 32, kPaper);
  DrawEllipse(inside, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kPen, kBrush);
  EXPECT_EQ(inside, Surface(32, 32, kFill));
  DrawRoundRect(away, {-2000000000, 40, 2000000000, 2000000000}, INT_MAX, INT_MAX, kPen, kBrush);
  DrawEllipse(away, {100, INT_MIN, INT_MAX, INT_MAX}, Pen::Solid(kInk, 5), kBrush);
  EXPECT_EQ(away, Surface(32, 32, kPaper));
  DrawEllipse(edge, {-2000000000, -1000000000, 20, 1000000016}, kPen, kBrush);  // its right end
  EXPECT_EQ(edge.Copy({0, 0, 32, 1}), edge.Copy({0, 31, 32, 32}));
  EXPECT_EQ(PictureAt(edge, 0, 0, 32, 1), std::string(19, '#') + "O" + std::string(12, '.'));
}

// Beyond the midpoint walk's size the quarter comes from the real curve; where
// both are possible, each run of one lies within the neighbouring runs of the
// other widened by a pixel.
TEST(QuarterCurve, RealCurveAgreesWithTheWalkWithinAPixel) {
  using shapes::Coord;
  for (const auto& [w, h] : {std::pair<Coord, Coord>{40001, 30000}, {9, 60000}, {65536, 5}, {777, 1234}}) {
    const shapes::QuarterCurve walked(w, h), real(w, h, false);
    ASSERT_TRUE(walked.IsExact() && !real.IsExact() && walked.Rows() == real.Rows());
    for (Coord row = 0; row < walked.Rows(); ++row)
      for (const auto& [of, by] : {std::pair{&walked, &real}, {&real, &walked}})
        ASSERT_TRUE(of->At(row).lo >= by->At(std::max<Coord>(row - 1, 0)).lo - 1 &&
                    of->At(row).hi <= by->At(std::min(row + 1, by->Rows() - 1)).hi + 1)
            << w << "x" << h << " row " << row;
  }
}

}  // namespace
}  // namespace gs
