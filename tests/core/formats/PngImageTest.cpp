#include <gtest/gtest.h>

#include "formats/PngImage.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"

namespace gs {
namespace {

using namespace testing;

// libspng converts each colour type to RGBA; these check the conversion asked of it, transparency applied
// (an RGB key colour), and the repacking of its bytes: red in the low byte, alpha in the top.
TEST(DecodePng, GivesStraightRgbaWithTransparencyApplied) {
  auto rgba = DecodePng(EncodePng({.pixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 40}}));
  ASSERT_TRUE(rgba) << rgba.Reason();
  EXPECT_EQ(std::tuple(rgba->width, rgba->height), std::tuple(2, 2));
  EXPECT_EQ(rgba->pixels, (std::vector<std::uint32_t>{0xFF0000FF, 0x8000FF00, 0x00FF0000, 0x281E140A}));
  auto keyed = DecodePng(EncodePng({.colourType = SPNG_COLOR_TYPE_TRUECOLOR,
                                    .pixels = {1, 2, 3, 4, 5, 6, 4, 5, 6, 9, 9, 9}, .keyColour = {{4, 5, 6}}}));
  ASSERT_TRUE(keyed) << keyed.Reason();
  EXPECT_EQ(keyed->pixels, (std::vector<std::uint32_t>{0xFF030201, 0x00060504, 0x00060504, 0xFF090909}));
}

// Changes one byte of a copy.
Bytes Flipped(Bytes b, std::size_t at) {
  b.at(at) ^= 0x01;
  return b;
}

TEST(DecodePng, RefusesDamagedAndOversizedPicturesWithAReason) {
  const Bytes good = SolidRgbaPng(16, 16, {1, 2, 3, 4});
  const std::pair<Bytes, const char*> cases[] = {
      {Bytes(good.begin(), good.end() - 12), "the PNG image is cut short"},  // every pixel there, no end chunk
      {Flipped(good, good.size() - 13), "the PNG image cannot be decoded: invalid chunk checksum"},  // IDAT's CRC
      {Flipped(good, 0), "it is not a PNG image"},
      {SolidRgbaPng(1025, 1, {0, 0, 0, 0}), "the PNG image is 1025 × 1 pixels, larger than 1024 × 1024"},
  };
  for (const auto& [png, reason] : cases) EXPECT_EQ(DecodePng(png).Reason(), reason);
}

// The largest icon image is taken; the decoded-size bound is the caller's.
TEST(DecodePng, TakesTheLargestPictureAllowed) {
  auto decoded = DecodePng(SolidRgbaPng(1024, 1024, {9, 8, 7, 6}));
  ASSERT_TRUE(decoded) << decoded.Reason();
  EXPECT_EQ(decoded->pixels.size(), 1024u * 1024u);
  EXPECT_EQ(decoded->At(1023, 1023), 0x06070809u);
  EXPECT_EQ(DecodePng(SolidRgbaPng(100, 100, {0, 0, 0, 0}), {16384, 39999}).Reason(),
            "the PNG image would take 40000 bytes to decode, more than 39999");
}

// Listings describe a PNG image from its first 29 bytes, whatever follows.
TEST(ReadPngHeader, NeedsOnlyTheSignatureAndTheHeaderChunk) {
  const Bytes png = SolidRgbaPng(300, 7, {0, 0, 0, 0});
  auto header = ReadPngHeader(Bytes(png.begin(), png.begin() + 29));
  ASSERT_TRUE(header) << header.Reason();
  EXPECT_EQ(header->width, 300u);
  EXPECT_EQ(header->height, 7u);
  EXPECT_EQ(header->BitsPerPixel(), 32);
  EXPECT_EQ(ReadPngHeader(Bytes(png.begin(), png.begin() + 28)).Reason(), "the PNG image is cut short");
  EXPECT_EQ(ReadPngHeader(Flipped(png, 12)).Reason(), "the PNG image has no header");  // "IHDR" misspelt
  EXPECT_EQ((PngHeader{.bitDepth = 16, .colourType = 2}).BitsPerPixel(), 48);
  EXPECT_EQ((PngHeader{.bitDepth = 4, .colourType = 3}).BitsPerPixel(), 4);
}

}  // namespace
}  // namespace gs
