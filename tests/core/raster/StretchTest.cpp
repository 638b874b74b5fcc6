#include <gtest/gtest.h>

#include "raster/Stretch.h"

namespace gs {
namespace {

constexpr StretchMode kNearest = StretchMode::ColorOnColor, kHalftone = StretchMode::Halftone;

// One row stretched onto a destination row first filled with 9.
TEST(StretchBlt, RowsMapAsThePlatformDoes) {
  const struct { std::vector<Colour> source; int dx, dw, sx, sw; std::vector<Colour> expected;
                 StretchMode mode = kNearest; } cases[] = {
      {{1, 2, 3, 4}, 0, 12, 0, 4, {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}}, {{1, 2, 3}, 0, 5, 0, 3, {1, 1, 2, 3, 3}},
      {{1, 2, 3, 4, 5, 6, 7, 8}, 0, 4, 0, 8, {2, 4, 6, 8}},  // shrinking keeps each group's last
      {{1, 2, 3, 4}, 3, -4, 0, 4, {4, 3, 2, 1}},            // mirrored
      {{1, 2, 3, 4}, 4, -4, 4, -4, {1, 2, 3, 4}},           // both extents negative: no mirror
      {{1, 2, 3, 4}, -2, 8, 0, 4, {2, 2, 3}},               // clipped
      {{1, 2}, 0, 3, 1, 2, {2, 2, 9}},                      // there is no source column 2
      {{0, 30, 90}, 0, 2, 0, 3, {10, 70}, kHalftone},       // area averages of red
      {{10, 20}, 3, -4, 0, 2, {20, 20, 10, 10}, kHalftone}};
  for (const auto& c : cases) {
    Surface src(static_cast<int>(c.source.size()), 1), dst(static_cast<int>(c.expected.size()), 1, 9);
    src.Pixels() = c.source;
    StretchBlt(dst, c.dx, 0, c.dw, 1, src, c.sx, 0, c.sw, 1, c.mode);
    EXPECT_EQ(dst.Pixels(), c.expected) << "dx " << c.dx << " dw " << c.dw << " sx " << c.sx << " sw " << c.sw;
  }
}

// The editing view: 32 columns onto 273 and 32 rows onto 281, each axis by
// centre sampling, floor(((2j+1)·32 − 1) / 2D).
TEST(StretchBlt, TheViewMapsColumnsAndRowsIndependently) {
  Surface image(32, 32);
  for (int i = 0; i < 1024; ++i) image.SetPixel(i % 32, i / 32, Rgb(i % 32, i / 32, 0));
  Surface view(273, 281);
  StretchBlt(view, 0, 0, 273, 281, image, 0, 0, 32, 32);
  for (int i = 0, x = 0, y = 0; i < 273 * 281; ++i, x = i % 273, y = i / 273)
    ASSERT_EQ(view.GetPixel(x, y), Rgb(((2 * x + 1) * 32 - 1) / 546, ((2 * y + 1) * 32 - 1) / 562, 0)) << x << "," << y;
}

}  // namespace
}  // namespace gs
