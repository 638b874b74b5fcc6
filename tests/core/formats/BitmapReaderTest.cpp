#include <gtest/gtest.h>

#include "support/BitmapBuilder.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"
#include "formats/BitmapReader.h"
#include "formats/BitmapWriter.h"
#include "formats/PictureFile.h"

namespace gs {
namespace {

using namespace testing;
using Pixels = std::vector<std::uint32_t>;  // 0xAABBGGRR, top row first

constexpr std::uint32_t kBitfields = 3;

// The size read is the layout's, rows counted either way up.
struct BmpCase {
  const char* name;
  BmpLayout layout;
  Pixels pixels;
};
void PrintTo(const BmpCase& c, std::ostream* os) { *os << c.name; }

class BitmapLayouts : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BitmapLayouts, DecodeToTheirPixels) {
  const BmpCase& c = GetParam();
  auto decoded = DecodeBitmapFile(BmpFile(c.layout), kPictureLimits);
  ASSERT_TRUE(decoded) << decoded.Reason();
  EXPECT_EQ(decoded->width, c.layout.width);
  EXPECT_EQ(decoded->height, std::abs(c.layout.height));
  EXPECT_EQ(decoded->pixels, c.pixels);
}

const std::vector<Colour> kFour = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(1, 2, 3)};

INSTANTIATE_TEST_SUITE_P(
    Layouts, BitmapLayouts,
    ::testing::Values(
        // 3 pixels of 24 bits need 3 bytes of padding per row; the padding holds junk.
        BmpCase{"OddWidthBottomUp",
                {.width = 3, .height = 2, .pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xAA, 0xBB, 0xCC,
                                                      10, 11, 12, 13, 14, 15, 16, 17, 18, 0xDD, 0xEE, 0xFF}},
                {0xFF0A0B0C, 0xFF0D0E0F, 0xFF101112, 0xFF010203, 0xFF040506, 0xFF070809}},
        BmpCase{"TopDown", {.width = 1, .height = -2, .pixels = {1, 2, 3, 0, 4, 5, 6, 0}}, {0xFF010203, 0xFF040506}},
        // Two colours listed for an 8-bit picture: index 7 lies past the table and is black.
        BmpCase{"ShortTable",
                {.width = 3, .height = 1, .bitCount = 8, .clrUsed = 2, .table = {Rgb(1, 1, 1), Rgb(2, 2, 2)},
                 .pixels = {1, 0, 7, 0}},
                {0xFF020202, 0xFF010101, 0xFF000000}},
        // A count past what 1 bit can index: only the two colours it can use are read.
        BmpCase{"OverlongTableCount",
                {.width = 2, .height = 1, .bitCount = 1, .clrUsed = 1000, .table = {Rgb(5, 5, 5), Rgb(6, 6, 6)},
                 .pixels = {0x40, 0, 0, 0}},
                {0xFF050505, 0xFF060606}},
        BmpCase{"FourBit", {.width = 3, .height = 1, .bitCount = 4, .clrUsed = 4, .table = kFour, .pixels = {0x12, 0x30, 0, 0}},
                {0xFF00FF00, 0xFFFF0000, 0xFF030201}},
        // The OS/2 header: 16-bit sizes and a table of three-byte entries.
        BmpCase{"CoreHeader",
                {.headerSize = 12, .width = 2, .height = 1, .bitCount = 1, .table = {Rgb(10, 20, 30), Rgb(40, 50, 60)},
                 .pixels = {0b01000000, 0, 0, 0}},
                {0xFF1E140A, 0xFF3C3228}},
        BmpCase{"Rgb16Is555", {.width = 3, .height = 1, .bitCount = 16, .pixels = U16s({0x7C00, 0x001F, 0x4210, 0})},
                {0xFF0000FF, 0xFFFF0000, 0xFF848484}},
        BmpCase{"Bitfields565",
                {.width = 3, .height = 1, .bitCount = 16, .compression = kBitfields, .masks = {0xF800, 0x07E0, 0x001F},
                 .pixels = U16s({0xF800, 0x07E0, 0x0841, 0})},
                {0xFF0000FF, 0xFF00FF00, 0xFF080808}},
        // The fourth byte of an uncompressed 32-bit pixel is not alpha.
        BmpCase{"Rgb32IgnoresTheFourthByte", {.width = 1, .height = 1, .bitCount = 32, .pixels = {1, 2, 3, 0x40}}, {0xFF010203}},
        BmpCase{"AlphaInAV5Header",
                {.headerSize = 124, .width = 2, .height = 1, .bitCount = 32, .compression = kBitfields,
                 .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, .pixels = U32s({0x80112233, 0x00445566})},
                {0x80332211, 0x00665544}},
        BmpCase{"AnAlphaChannelOfZerosIsOpaque",
                {.headerSize = 124, .width = 1, .height = 1, .bitCount = 32, .compression = kBitfields,
                 .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, .pixels = U32s({0x00112233})},
                {0xFF332211}},
        // The pixels start where the file header says, after a gap.
        BmpCase{"PixelsAfterAGap", {.width = 1, .height = 1, .pixels = {7, 8, 9, 0}, .offBits = 80}, {0xFF070809}},
        // RLE8, bottom row first: a run of 5 cut to the row's 4; end of line; three literal pixels
        // (padded to 4 bytes); end of line; a jump 1 right; a run of 1; end. What is skipped stays transparent.
        BmpCase{"Rle8",
                {.width = 4, .height = 3, .bitCount = 8, .compression = 1, .clrUsed = 4, .table = kFour,
                 .pixels = {5, 1, 0, 0, 0, 3, 3, 2, 1, 0, 0, 0, 0, 2, 1, 0, 1, 0, 0, 1}},
                {0, 0xFF0000FF, 0, 0, 0xFF030201, 0xFFFF0000, 0xFF00FF00, 0,
                 0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00}},
        // RLE4: a run alternating two indices, cut at the row's end; then five literal pixels.
        BmpCase{"Rle4",
                {.width = 3, .height = 2, .bitCount = 4, .compression = 2, .clrUsed = 4, .table = kFour,
                 .pixels = {9, 0x12, 0, 0, 0, 5, 0x30, 0x12, 0x30, 0, 0, 1}},
                {0xFF030201, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00, 0xFFFF0000, 0xFF00FF00}}),
    [](const auto& info) { return std::string(info.param.name); });

// One file for each kind of damage: not a bitmap, cut short, an unusable or too large size, an unreadable
// kind of image, an offset outside the file. The bitmap fuzz target replays the other branches.
TEST(DecodeBitmapFile, RefusesDamagedFilesWithAReason) {
  const Bytes good = BmpFile({.width = 3, .height = 2, .pixels = Bytes(24, 1)});
  const std::pair<Bytes, const char*> cases[] = {
      {Hex("89504E47"), "it is not a BMP picture"},
      {Slice(good, 0, good.size() - 1), "the bitmap's pixel data is cut short"},
      {BmpFile({.width = -5}), "the bitmap has an unusable size of -5 × 2"},
      {BmpFile({.width = 1, .height = -2000000000}), "the bitmap is 1 × 2000000000 pixels, larger than 16384 × 16384"},
      {BmpFile({.bitCount = 0, .compression = 5}), "the bitmap holds a PNG image, which cannot be read here"},
      {Slice(BmpFile({.pixels = Bytes(16), .offBits = 4000}), 0, 100),
       "the bitmap's pixel data offset of 4000 lies outside the file or inside its header"},
  };
  for (const auto& [file, reason] : cases) EXPECT_EQ(DecodeBitmapFile(file, kPictureLimits).Reason(), reason);
}

// The largest side and the decoded-size bound are the caller's; the largest picture allowed is read.
TEST(DecodeBitmapFile, TakesTheLimitsItIsGiven) {
  const Bytes wide = BmpFile({.width = 2000, .height = 1, .bitCount = 1, .table = {0, 0xFFFFFF}, .pixels = Bytes(252, 0xFF)});
  auto decoded = DecodeBitmapFile(wide, kPictureLimits);
  ASSERT_TRUE(decoded) << decoded.Reason();
  EXPECT_EQ(decoded->At(1999, 0), 0xFFFFFFFFu);
  EXPECT_EQ(DecodeBitmapFile(wide, {1999, 1 << 20}).Reason(), "the bitmap is 2000 × 1 pixels, larger than 1999 × 1999");
  EXPECT_EQ(DecodeBitmapFile(wide, {2000, 7999}).Reason(), "the bitmap would take 8000 bytes to decode, more than 7999");
  EXPECT_TRUE(DecodeBitmapFile(wide, {2000, 8000}));
}

// Pictures decode with the picture limits, far above an icon image's.
TEST(DecodePicture, ReadsPngAndBmpWithThePictureLimits) {
  auto png = DecodePicture(SolidRgbaPng(2000, 3, {1, 2, 3, 255}));
  ASSERT_TRUE(png) << png.Reason();
  EXPECT_EQ(png->width, 2000);
  EXPECT_EQ(png->At(1999, 2), 0xFF030201u);
  EXPECT_EQ(DecodePicture(SolidRgbaPng(16385, 1, {0, 0, 0, 0})).Reason(),
            "the PNG image is 16385 × 1 pixels, larger than 16384 × 16384");

  auto bmp = DecodePicture(EncodeBitmapFile(Surface(32, 32, Rgb(7, 8, 9)), 24));
  ASSERT_TRUE(bmp) << bmp.Reason();
  EXPECT_EQ(bmp->At(31, 31), 0xFF090807u);
  EXPECT_EQ(DecodePicture(Hex("FFD8FFE0 00104A46 4946")).Reason(), "it is not a PNG or BMP picture");
}

TEST(PictureSurface, LaysThePictureOverTheBackground) {
  const RgbaImage picture{.width = 4, .height = 1, .pixels = {0xFF102030, 0x00102030, 0x80FFFFFF, 0x40000000}};
  const Surface s = PictureSurface(picture, Rgb(0, 0, 200));
  EXPECT_EQ(s.Width(), 4);
  // Opaque stays, transparent takes the background, partly transparent blends by alpha (rounded).
  EXPECT_EQ(s.Pixels(), (std::vector<Colour>{0x102030, Rgb(0, 0, 200), Rgb(128, 128, 228), Rgb(0, 0, 150)}));
}

}  // namespace
}  // namespace gs
