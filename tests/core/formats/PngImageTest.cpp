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

// 16-bit samples as the encoder takes them, in the host's order (little-endian here).
Bytes Samples16(std::initializer_list<std::uint16_t> values) {
  Bytes out;
  for (std::uint16_t v : values) out.insert(out.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
  return out;
}

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodePngTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodePngTest, GivesStraightRgbaWithTransparencyApplied) {
  const DecodeCase& c = GetParam();
  const Bytes png = EncodePng(c.layout);
  auto decoded = DecodePng(png);
  ASSERT_TRUE(decoded) << decoded.Reason();
  EXPECT_EQ(decoded->width, static_cast<int>(c.layout.width));
  EXPECT_EQ(decoded->height, static_cast<int>(c.layout.height));
  EXPECT_EQ(decoded->pixels, c.pixels);

  auto header = ReadPngHeader(png);
  ASSERT_TRUE(header) << header.Reason();
  EXPECT_EQ(header->width, c.layout.width);
  EXPECT_EQ(header->height, c.layout.height);
  EXPECT_EQ(header->bitDepth, c.layout.bitDepth);
  EXPECT_EQ(header->colourType, c.layout.colourType);
}

// 2 × 2 pictures (3 × 1 for the palette): red in the low byte, alpha in the top.
INSTANTIATE_TEST_SUITE_P(
    ColourTypes, DecodePngTest,
    ::testing::Values(
        DecodeCase{"Rgba", {.pixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 40}},
                   {0xFF0000FF, 0x8000FF00, 0x00FF0000, 0x281E140A}},
        DecodeCase{"Rgba16TakesTheHighBytes",
                   {.bitDepth = 16, .pixels = Samples16({0x1200, 0x3400, 0xAB00, 0xFFFF, 0, 0, 0, 0,
                                                         0x0100, 0x0200, 0x0300, 0x0400, 0x90FF, 0x90FF, 0x90FF, 0x9000})},
                   {0xFFAB3412, 0x00000000, 0x04030201, 0x90909090}},
        DecodeCase{"RgbIsOpaque", {.colourType = SPNG_COLOR_TYPE_TRUECOLOR, .pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 251, 252}},
                   {0xFF030201, 0xFF060504, 0xFF090807, 0xFFFCFBFA}},
        DecodeCase{"RgbKeyColourIsTransparent",
                   {.colourType = SPNG_COLOR_TYPE_TRUECOLOR, .pixels = {1, 2, 3, 4, 5, 6, 4, 5, 6, 9, 9, 9}, .keyColour = {{4, 5, 6}}},
                   {0xFF030201, 0x00060504, 0x00060504, 0xFF090909}},
        DecodeCase{"PaletteWithAlpha",
                   {.width = 3, .height = 1, .colourType = SPNG_COLOR_TYPE_INDEXED, .pixels = {2, 0, 1},
                    .palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}, .paletteAlpha = {0, 200}},
                   {0xFF5A5046, 0x001E140A, 0xC83C3228}},
        DecodeCase{"PaletteTwoBits",
                   {.width = 3, .height = 1, .colourType = SPNG_COLOR_TYPE_INDEXED, .bitDepth = 2, .pixels = {0b10'00'01'00},
                    .palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}},
                   {0xFF5A5046, 0xFF1E140A, 0xFF3C3228}},
        DecodeCase{"Grey", {.colourType = SPNG_COLOR_TYPE_GRAYSCALE, .pixels = {0, 80, 160, 255}},
                   {0xFF000000, 0xFF505050, 0xFFA0A0A0, 0xFFFFFFFF}},
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
      {Bytes(good.begin(), good.begin() + 20), "the PNG image is cut short"},  // not even the header
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

TEST(DecodePng, TakesTheLargestPictureAllowed) {
  auto decoded = DecodePng(SolidRgbaPng(1024, 1024, {9, 8, 7, 6}));
  ASSERT_TRUE(decoded) << decoded.Reason();
  EXPECT_EQ(decoded->pixels.size(), 1024u * 1024u);
  EXPECT_EQ(decoded->At(1023, 1023), 0x06070809u);
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
