#include <gtest/gtest.h>

#include "raster/Blit.h"

namespace gs {
namespace {

// A 4 × 4 block at (x, y) from source (sx, sy) writes only the pixels whose
// destination and source both exist.
TEST(BitBlt, ClipsAtEveryEdgeOfDestinationAndSource) {
  Surface src(4, 4);
  for (int i = 0; i < 16; ++i) src.SetPixel(i % 4, i / 4, Rgb(i % 4 + 1, i / 4 + 1, 7));
  const struct { int x, y, sx, sy; } cases[] = {{-2, 1, 0, 0},  {3, 1, 0, 0}, {1, -2, 0, 0},  {1, 3, 0, 0},
                                                {-3, -3, 0, 0}, {4, 4, 0, 0}, {0, 0, 2, -1}, {1, 0, -1, 3}};
  for (const auto& c : cases) {
    Surface dst(5, 5, 0x111111);
    BitBlt(dst, c.x, c.y, 4, 4, &src, c.sx, c.sy, rop::kSrcCopy);
    for (int i = 0; i < 25; ++i) {
      const int x = i % 5, y = i / 5, u = x - c.x + c.sx, v = y - c.y + c.sy;
      const bool copied = x >= c.x && x < c.x + 4 && y >= c.y && y < c.y + 4 && src.Contains(u, v);
      EXPECT_EQ(dst.GetPixel(x, y), copied ? src.GetPixel(u, v) : 0x111111u)
          << "block at " << c.x << "," << c.y << " from " << c.sx << "," << c.sy << " pixel " << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace gs
