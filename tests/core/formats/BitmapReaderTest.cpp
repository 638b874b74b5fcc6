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
        BmpCase{"Bitfields555InAV4Header",
                {.headerSize = 108, .width = 2, .height = 1, .bitCount = 16, .compression = kBitfields,
                 .masks = {0x7C00, 0x03E0, 0x001F, 0}, .pixels = U16s({0x03E0, 0x0001})},
                {0xFF00FF00, 0xFF080000}},
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
        // BI_ALPHABITFIELDS: four masks after a 40-byte header; here red in the low byte, 4-bit alpha.
        BmpCase{"AlphaBitfieldsAfterTheHeader",
                {.width = 1, .height = 1, .bitCount = 32, .compression = 6,
                 .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x0F000000}, .pixels = U32s({0x05332211})},
                {0x55332211}},
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

struct RefusalCase {
  const char* name;
  Bytes file;
  std::string reason;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class BitmapRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(BitmapRefusals, SayWhy) { EXPECT_EQ(DecodeBitmapFile(GetParam().file, kPictureLimits).Reason(), GetParam().reason); }

Bytes Cut(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}

const Bytes kGood = BmpFile({.width = 3, .height = 2, .pixels = Bytes(24, 1)});

INSTANTIATE_TEST_SUITE_P(
    Files, BitmapRefusals,
    ::testing::Values(
        RefusalCase{"NotABitmap", Hex("89504E47"), "it is not a BMP picture"},
        RefusalCase{"OnlyTheSignature", Hex("424D"), "the bitmap header is cut short"},
        RefusalCase{"HeaderCut", Cut(kGood, 30), "the bitmap header is cut short"},
        RefusalCase{"PixelsCut", Cut(kGood, kGood.size() - 1), "the bitmap's pixel data is cut short"},
        RefusalCase{"UnknownHeader", BmpFile({.headerSize = 64, .pixels = Bytes(16)}),
                    "the bitmap header's size of 64 bytes is not a known one"},
        RefusalCase{"NoWidth", BmpFile({.width = 0}), "the bitmap has an unusable size of 0 × 2"},
        RefusalCase{"NoHeight", BmpFile({.height = 0}), "the bitmap has an unusable size of 2 × 0"},
        RefusalCase{"NegativeWidth", BmpFile({.width = -5}), "the bitmap has an unusable size of -5 × 2"},
        RefusalCase{"LowestHeight", BmpFile({.height = INT32_MIN}), "the bitmap has an unusable height of -2147483648"},
        RefusalCase{"TooTallTopDown", BmpFile({.width = 1, .height = -2000000000}),
                    "the bitmap is 1 × 2000000000 pixels, larger than 16384 × 16384"},
        RefusalCase{"TwoBits", BmpFile({.bitCount = 2}), "the bitmap has an unsupported bit depth of 2"},
        RefusalCase{"CoreHeaderSixteenBits", BmpFile({.headerSize = 12, .bitCount = 16}),
                    "the bitmap has an unsupported bit depth of 16"},
        RefusalCase{"Rle8AtFourBits", BmpFile({.bitCount = 4, .compression = 1}),
                    "the bitmap's RLE8 compression does not fit its 4 bits per pixel"},
        RefusalCase{"TopDownRle", BmpFile({.height = -2, .bitCount = 4, .compression = 2}),
                    "the bitmap is top-down, which its RLE4 compression does not allow"},
        RefusalCase{"MasksAt24Bits", BmpFile({.compression = kBitfields, .masks = {1, 2, 4}}),
                    "the bitmap's colour masks do not fit its 24 bits per pixel"},
        RefusalCase{"MasksCut", Cut(BmpFile({.bitCount = 16, .compression = kBitfields, .masks = {1, 2, 4}}), 60),
                    "the bitmap's colour masks are cut short"},
        RefusalCase{"MaskWithAHole", BmpFile({.bitCount = 16, .compression = kBitfields, .masks = {0xF00F, 0x0F0, 0},
                                              .pixels = Bytes(8)}),
                    "the bitmap's colour masks are not runs of bits"},
        RefusalCase{"Jpeg", BmpFile({.bitCount = 0, .compression = 4}),
                    "the bitmap holds a JPEG image, which cannot be read here"},
        RefusalCase{"Png", BmpFile({.bitCount = 0, .compression = 5}), "the bitmap holds a PNG image, which cannot be read here"},
        RefusalCase{"UnknownCompression", BmpFile({.compression = 9}), "the bitmap's compression 9 is not supported"},
        // 256 colours promised, 2 present.
        RefusalCase{"TableCut", BmpFile({.bitCount = 8, .table = {0, 0}, .offBits = 62}),
                    "the bitmap's colour table is cut short"},
        RefusalCase{"OffsetInsideTheHeader", BmpFile({.pixels = Bytes(16), .offBits = 20}),
                    "the bitmap's pixel data offset of 20 lies outside the file or inside its header"},
        RefusalCase{"OffsetPastTheEnd", Cut(BmpFile({.pixels = Bytes(16), .offBits = 4000}), 100),
                    "the bitmap's pixel data offset of 4000 lies outside the file or inside its header"},
        RefusalCase{"RleWithoutItsEnd",
                    BmpFile({.width = 2, .height = 2, .bitCount = 8, .compression = 1, .clrUsed = 1, .table = {0},
                             .pixels = {2, 0, 0, 0, 2}}),
                    "the bitmap's compressed pixels are cut short"},
        RefusalCase{"RleLiteralCut",
                    BmpFile({.width = 8, .height = 1, .bitCount = 8, .compression = 1, .clrUsed = 1, .table = {0},
                             .pixels = {0, 5, 0, 0, 0, 0}}),
                    "the bitmap's compressed pixels are cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every strict prefix of an uncompressed bitmap is refused; none is read past its end (the sanitizers
// watch the reads).
TEST(DecodeBitmapFile, RefusesEveryCutOfAFile) {
  for (const Bytes& file : {EncodeBitmapFile(Surface(32, 32, 0x123456), 4),
                            BmpFile({.headerSize = 124, .width = 3, .height = -2, .bitCount = 32,
                                     .compression = kBitfields, .masks = {0xFF, 0xFF00, 0xFF0000, 0xFF000000},
                                     .pixels = Bytes(24, 0x80)})}) {
    ASSERT_TRUE(DecodeBitmapFile(file, kPictureLimits));
    for (std::size_t size = 0; size < file.size(); ++size)
      EXPECT_FALSE(DecodeBitmapFile(Bytes(file.begin(), file.begin() + size), kPictureLimits)) << size;
  }
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
  EXPECT_EQ(DecodePicture({}).Reason(), "the file is empty");
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
