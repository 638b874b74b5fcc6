#include <gtest/gtest.h>

#include "tools/EditClipboard.h"

namespace gs {
namespace {

// Only the top-left 32 × 32 of a pasted picture is used, so only that much is
// taken from it, however large it is.
TEST(PastedPicture, OnlyTheUsedCornerIsTaken) {
  const int width = 3000, height = 2000;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xFF000000u);
  pixels[0] = 0xFF102030;                // opaque: kept
  pixels[width + 1] = 0x7F405060;        // less than half opaque: transparent
  pixels[31 * width + 31] = 0xFFFFFFFF;  // the last pixel used
  const Surface taken = SurfaceFromArgb(pixels.data(), width, height, width, 0xE0E0E0);
  ASSERT_EQ(taken.Width(), 32);
  ASSERT_EQ(taken.Height(), 32);
  EXPECT_EQ(taken.GetPixel(0, 0), Rgb(0x10, 0x20, 0x30));
  EXPECT_EQ(taken.GetPixel(1, 1), Colour{0xE0E0E0});
  EXPECT_EQ(taken.GetPixel(31, 31), Rgb(255, 255, 255));
  // A smaller picture is taken whole.
  const Surface small = SurfaceFromArgb(pixels.data(), 5, 3, width, 0);
  EXPECT_EQ(small.Width(), 5);
  EXPECT_EQ(small.Height(), 3);
}

TEST(PastedPicture, AbsurdSizesAreRefused) {
  const std::tuple<int, int, bool> cases[] = {
      {16384, 4096, true}, {16385, 1, false}, {1, 16385, false}, {8192, 8192, true},
      {8193, 8192, false}, {0, 10, false},    {10, -1, false},   {2147483647, 2147483647, false}};
  for (const auto& [w, h, acceptable] : cases) EXPECT_EQ(PastedSizeAcceptable(w, h), acceptable) << w << " x " << h;
  EXPECT_EQ(PastedArea(3000, 7), (Rect{0, 0, 32, 7}));
  EXPECT_EQ(PastedArea(12, 100000), (Rect{0, 0, 12, 32}));
}

}  // namespace
}  // namespace gs
