#include <gtest/gtest.h>

#include "document/TransparentBlit.h"
#include "raster/Blit.h"

namespace gs {
namespace {

using Row = std::vector<Colour>;
constexpr Colour kKey = 0xE0E0E0, kRed = 0x0000FF, kBlue = 0xFF0000;

// The mask is white exactly on the key; the blits show the background there,
// and black is an ordinary colour unless it is the key itself.
TEST(TransparentBlits, KeyPixelsAndOnlyThoseShowTheBackground) {
  const Surface background(4, 1, kBlue);
  Surface sample(4, 1), mask(4, 1), dst(4, 1, 0x123456);
  sample.Pixels() = {kKey, kRed, kKey, 0};
  ASSERT_TRUE(MakeTransparencyMask(sample, 0, 0, 4, 1, mask, kKey));
  EXPECT_EQ(mask.Pixels(), (Row{kMonoWhite, kMonoBlack, kMonoWhite, kMonoBlack}));
  ASSERT_TRUE(BlitTransparent(sample, 0, 0, 4, 1, kKey, background, dst));
  EXPECT_EQ(dst.Pixels(), (Row{kBlue, kRed, kBlue, 0}));
  ASSERT_TRUE(BlitTransparent(sample, 0, 0, 4, 1, 0x000000, background, dst));
  EXPECT_EQ(dst.Pixels(), (Row{kKey, kRed, kKey, kBlue}));
  ASSERT_TRUE(BlitOverColour(sample, 0, 0, 4, 1, kKey, 0x00FF00, dst));
  EXPECT_EQ(dst.Pixels(), (Row{0x00FF00, kRed, 0x00FF00, 0}));
}

// As the colour operations use it: in place, on a block at an offset that reaches
// past the edge.
TEST(TransparentBlits, BlitOverColourWorksInPlaceOnABlockAtAnOffset) {
  Surface s(32, 32, kKey);
  s.SetPixel(31, 31, kRed);
  ASSERT_TRUE(BlitOverColour(s, 30, 30, 4, 4, kKey, kBlue, s));
  EXPECT_EQ(s.Copy({29, 29, 32, 32}).Pixels(), (Row{kKey, kKey, kKey, kKey, kBlue, kBlue, kKey, kBlue, kRed}));
  EXPECT_FALSE(BlitOverColour(s, 0, 0, 0, 5, kKey, kBlue, s));
}

}  // namespace
}  // namespace gs
