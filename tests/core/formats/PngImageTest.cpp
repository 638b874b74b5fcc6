#include <gtest/gtest.h>

#include "formats/PngImage.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"

namespace gs {
namespace {

using namespace testing;

struct DecodeCase {
  const char* name;
  PngLayout layout;
  std::vector<std::uint32_t> pixels;  // 0xAABBGGRR, top row first
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodePngTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodePngTest, GivesStraightRgbaWithTransparencyApplied) {
  const DecodeCase& c = GetParam();
  auto decoded = DecodePng(EncodePng(c.layout));
  ASSERT_TRUE(decoded) << decoded.Reason();
  EXPECT_EQ(decoded->width, static_cast<int>(c.layout.width));
  EXPECT_EQ(decoded->height, static_cast<int>(c.layout.height));
  EXPECT_EQ(decoded->pixels, c.pixels);
}

// 2 × 2 pictures (3 × 1 for the palette): red in the low byte, alpha in the top. libspng converts each colour
// type; these check the conversion asked of it, transparency applied, and the repacking of its bytes.
INSTANTIATE_TEST_SUITE_P(
    ColourTypes, DecodePngTest,
    ::testing::Values(
        DecodeCase{"Rgba", {.pixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 40}},
                   {0xFF0000FF, 0x8000FF00, 0x00FF0000, 0x281E140A}},
        DecodeCase{"Rgba16TakesTheHighBytes",
                   {.bitDepth = 16, .pixels = U16s({0x1200, 0x3400, 0xAB00, 0xFFFF, 0, 0, 0, 0,
                                                     0x0100, 0x0200, 0x0300, 0x0400, 0x90FF, 0x90FF, 0x90FF, 0x9000})},
                   {0xFFAB3412, 0x00000000, 0x04030201, 0x90909090}},
        DecodeCase{"RgbKeyColourIsTransparent",
                   {.colourType = SPNG_COLOR_TYPE_TRUECOLOR, .pixels = {1, 2, 3, 4, 5, 6, 4, 5, 6, 9, 9, 9}, .keyColour = {{4, 5, 6}}},
                   {0xFF030201, 0x00060504, 0x00060504, 0xFF090909}},
        DecodeCase{"PaletteWithAlpha",
                   {.width = 3, .height = 1, .colourType = SPNG_COLOR_TYPE_INDEXED, .pixels = {2, 0, 1},
                    .palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}, .paletteAlpha = {0, 200}},
                   {0xFF5A5046, 0x001E140A, 0xC83C3228}},
        DecodeCase{"GreyOneBitWithKey",
                   {.colourType = SPNG_COLOR_TYPE_GRAYSCALE, .bitDepth = 1, .pixels = {0b10000000, 0b01000000}, .keyColour = {{0, 0, 0}}},
                   {0xFFFFFFFF, 0x00000000, 0x00000000, 0xFFFFFFFF}},
        DecodeCase{"GreyAndAlpha", {.colourType = SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, .pixels = {50, 0, 60, 255, 70, 1, 80, 254}},
                   {0x00323232, 0xFF3C3C3C, 0x01464646, 0xFE505050}}),
    [](const auto& info) { return std::string(info.param.name); });

// Changes one byte of a copy.
Bytes Flipped(Bytes b, std::size_t at) {
  b.at(at) ^= 0x01;
  return b;
}

// Where a chunk's data and its CRC start, found by the chunk's type.
std::size_t ChunkData(const Bytes& png, std::string_view type) {
  return std::string(png.begin(), png.end()).find(type) + 4;
}
std::size_t ChunkCrc(const Bytes& png, std::string_view type) {
  const std::size_t data = ChunkData(png, type);
  return data + (std::size_t{png[data - 6]} << 8 | png[data - 5]);  // the low half of the length
}

TEST(DecodePng, RefusesDamagedAndOversizedPicturesWithAReason) {
  const Bytes good = SolidRgbaPng(16, 16, {1, 2, 3, 4});
  const std::pair<Bytes, const char*> cases[] = {
      {Bytes(good.begin(), good.end() - 20), "the PNG image is cut short"},
      {Bytes(good.begin(), good.end() - 12), "the PNG image is cut short"},  // every pixel there, no end chunk
      {Bytes(good.begin(), good.begin() + 33), "the PNG image is cut short"},  // header and nothing after
      {Flipped(good, ChunkCrc(good, "IDAT") + 3), "the PNG image cannot be decoded: invalid chunk checksum"},
      {Flipped(good, ChunkCrc(good, "IHDR")), "the PNG image cannot be decoded: invalid chunk checksum"},
      {Flipped(good, ChunkData(good, "IDAT") + 2), "the PNG image cannot be decoded: IDAT stream error"},
      {Flipped(good, 0), "it is not a PNG image"},
      {Bytes{}, "it is not a PNG image"},
      {SolidRgbaPng(1025, 1, {0, 0, 0, 0}), "the PNG image is 1025 × 1 pixels, larger than 1024 × 1024"},
      {SolidRgbaPng(2, 2000, {0, 0, 0, 0}), "the PNG image is 2 × 2000 pixels, larger than 1024 × 1024"},
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

  const std::pair<PngHeader, int> bits[] = {{{.bitDepth = 8, .colourType = 6}, 32}, {{.bitDepth = 16, .colourType = 2}, 48},
                                            {{.bitDepth = 4, .colourType = 3}, 4},  {{.bitDepth = 8, .colourType = 4}, 16},
                                            {{.bitDepth = 1, .colourType = 0}, 1},  {{.bitDepth = 8, .colourType = 5}, 0}};
  for (const auto& [h, expected] : bits) EXPECT_EQ(h.BitsPerPixel(), expected) << h.colourType << "/" << h.bitDepth;
}

}  // namespace
}  // namespace gs
