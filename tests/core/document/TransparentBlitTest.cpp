#include <gtest/gtest.h>

#include "document/TransparentBlit.h"
#include "raster/Blit.h"

namespace gs {
namespace {

constexpr Colour kKey = 0xE0E0E0;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// 4 × 1: key, red, key, black.
Surface Sample(Colour key = kKey) {
  Surface s(4, 1);
  s.SetPixel(0, 0, key);
  s.SetPixel(1, 0, kRed);
  s.SetPixel(2, 0, key);
  s.SetPixel(3, 0, 0);
  return s;
}

TEST(MakeTransparencyMask, IsWhiteExactlyWhereTheKeyColourIs) {
  Surface mask(4, 1, kMonoBlack);
  ASSERT_TRUE(MakeTransparencyMask(Sample(), 0, 0, 4, 1, mask, kKey));
  EXPECT_EQ(mask.GetPixel(0, 0), kMonoWhite);
  EXPECT_EQ(mask.GetPixel(1, 0), kMonoBlack);
  EXPECT_EQ(mask.GetPixel(2, 0), kMonoWhite);
  EXPECT_EQ(mask.GetPixel(3, 0), kMonoBlack);
}

TEST(BlitTransparent, KeyPixelsShowTheBackground) {
  const Surface background(4, 1, kBlue);
  Surface dst(4, 1, 0x123456);
  ASSERT_TRUE(BlitTransparent(Sample(), 0, 0, 4, 1, kKey, background, dst));
  EXPECT_EQ(dst.GetPixel(0, 0), kBlue);
  EXPECT_EQ(dst.GetPixel(1, 0), kRed);
  EXPECT_EQ(dst.GetPixel(2, 0), kBlue);
  EXPECT_EQ(dst.GetPixel(3, 0), 0u);  // black is an ordinary colour here
}

TEST(BlitTransparent, ABlackKeyTreatsEveryBlackPixelAsAHole) {
  const Surface background(4, 1, kBlue);
  Surface dst(4, 1);
  ASSERT_TRUE(BlitTransparent(Sample(kKey), 0, 0, 4, 1, 0x000000, background, dst));
  EXPECT_EQ(dst.GetPixel(0, 0), kKey);
  EXPECT_EQ(dst.GetPixel(1, 0), kRed);
  EXPECT_EQ(dst.GetPixel(3, 0), kBlue);
}

TEST(BlitTransparent, WorksWithinOneSurfaceAndTakesTheBackgroundFromItsOrigin) {
  Surface s(4, 2, kKey);
  s.SetPixel(1, 1, kRed);
  s.SetPixel(0, 0, kBlue);  // background block (0, 0, 2, 1)
  s.SetPixel(1, 0, kRed);
  // Copy the block (0, 1, 2, 1) onto itself over the background at (0, 0).
  ASSERT_TRUE(BlitTransparent(s, 0, 1, 2, 1, kKey, s, s));
  EXPECT_EQ(s.GetPixel(0, 1), kBlue);
  EXPECT_EQ(s.GetPixel(1, 1), kRed);
}

TEST(BlitOverColour, ReplacesOnlyTheKeyColour) {
  Surface dst(4, 1);
  ASSERT_TRUE(BlitOverColour(Sample(), 0, 0, 4, 1, kKey, kBlue, dst));
  EXPECT_EQ(dst.GetPixel(0, 0), kBlue);
  EXPECT_EQ(dst.GetPixel(1, 0), kRed);
  EXPECT_EQ(dst.GetPixel(2, 0), kBlue);
  EXPECT_EQ(dst.GetPixel(3, 0), 0u);

  const Surface noKey(3, 3, kRed);
  Surface copy(3, 3);
  ASSERT_TRUE(BlitOverColour(noKey, 0, 0, 3, 3, kKey, kBlue, copy));
  EXPECT_EQ(copy, noKey);  // a plain copy

  const Surface allKey(3, 3, kKey);
  ASSERT_TRUE(BlitOverColour(allKey, 0, 0, 3, 3, kKey, kBlue, copy));
  EXPECT_EQ(copy, Surface(3, 3, kBlue));  // a solid fill
}

TEST(BlitOverColour, ABlockAtAnOffsetLandsAtTheSameOffsetAndClips) {
  Surface src(32, 32, kKey);
  src.SetPixel(31, 31, kRed);
  Surface dst(32, 32, 0);
  ASSERT_TRUE(BlitOverColour(src, 30, 30, 4, 4, kKey, kBlue, dst));
  EXPECT_EQ(dst.GetPixel(30, 30), kBlue);
  EXPECT_EQ(dst.GetPixel(31, 31), kRed);
  EXPECT_EQ(dst.GetPixel(29, 29), 0u);
  EXPECT_FALSE(BlitOverColour(src, 0, 0, 0, 5, kKey, kBlue, dst));
}

}  // namespace
}  // namespace gs
