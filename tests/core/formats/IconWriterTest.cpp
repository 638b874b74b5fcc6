#include <gtest/gtest.h>

#include "IconFileBuilder.h"
#include "formats/AdaptivePalette.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"
#include "raster/Depth.h"

namespace gs {
namespace {

using testing::Hex;
using testing::Slice;

constexpr Colour kGrey = 0xE0E0E0;
constexpr Colour kWhite = Rgb(255, 255, 255), kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255);

// White, with the two leftmost top pixels transparent, blue bottom-left and red bottom-right.
Surface Marked() {
  Surface s(32, 32, kWhite);
  s.SetPixel(0, 0, kGrey);
  s.SetPixel(1, 0, kGrey);
  s.SetPixel(0, 31, kBlue);
  s.SetPixel(31, 31, kRed);
  return s;
}

struct IconGolden {
  int depth;
  std::size_t fileSize;
  const char* head;         // directory and bitmap header, 62 bytes
  const char* table;        // the first bytes of the colour table
  const char* bottomStart;  // the first stored row is the picture's bottom row
  const char* bottomEnd;
  const char* topStart;     // the last stored row is its top row
};

class IconLayout : public ::testing::TestWithParam<IconGolden> {};

TEST_P(IconLayout, WritesEveryFieldAsEarlierVersionsDid) {
  const IconGolden g = GetParam();
  const EncodedIcon icon = EncodeIconFile(Marked(), kGrey, g.depth);
  const auto& b = icon.bytes;
  ASSERT_EQ(b.size(), g.fileSize);
  EXPECT_EQ(Slice(b, 0, 62), Hex(g.head));
  const auto table = Hex(g.table);
  EXPECT_EQ(Slice(b, 62, table.size()), table);

  const std::size_t rowBytes = g.depth * 4;
  const std::size_t pixels = b.size() - 128 - 32 * rowBytes;
  const auto bottomStart = Hex(g.bottomStart), bottomEnd = Hex(g.bottomEnd), topStart = Hex(g.topStart);
  EXPECT_EQ(Slice(b, pixels, bottomStart.size()), bottomStart);
  EXPECT_EQ(Slice(b, pixels + rowBytes - bottomEnd.size(), bottomEnd.size()), bottomEnd);
  EXPECT_EQ(Slice(b, pixels + 31 * rowBytes, topStart.size()), topStart);

  // The AND mask: bottom row first, the transparent pair at the start of the last row.
  const std::size_t mask = b.size() - 128;
  EXPECT_EQ(Slice(b, mask, 4), Hex("00 00 00 00"));
  EXPECT_EQ(Slice(b, mask + 124, 4), Hex("C0 00 00 00"));
  EXPECT_EQ(std::vector<std::uint8_t>(icon.mask.begin(), icon.mask.end()), Slice(b, mask, 128));
}

// Transparent pixels are black in the colour bits (0 at 1, 4 and 8 bits).
INSTANTIATE_TEST_SUITE_P(
    EveryDepth, IconLayout,
    ::testing::Values(
        IconGolden{1, 326,
                   "00 00 01 00 01 00 | 20 20 00 00 05 00 07 00 30 01 00 00 16 00 00 00 |"
                   "28 00 00 00 20 00 00 00 40 00 00 00 01 00 01 00 00 00 00 00 80 00 00 00"
                   "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                   "00 00 00 00 FF FF FF 00", "7F FF FF FE", "FE", "3F FF FF FF"},
        IconGolden{4, 766,
                   "00 00 01 00 01 00 | 20 20 10 00 00 00 00 00 E8 02 00 00 16 00 00 00 |"
                   "28 00 00 00 20 00 00 00 40 00 00 00 01 00 04 00 00 00 00 00 02 00 00 00"
                   "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                   "00 00 00 00 00 00 80 00 00 80 00 00 00 80 80 00 80 00 00 00 80 00 80 00 80 80 00 00"
                   "80 80 80 00 C0 C0 C0 00 00 00 FF 00",
                   "CF FF", "FF F9", "00 FF"},
        IconGolden{8, 2238,
                   "00 00 01 00 01 00 | 20 20 00 00 00 00 00 00 A8 08 00 00 16 00 00 00 |"
                   "28 00 00 00 20 00 00 00 40 00 00 00 01 00 08 00 00 00 00 00 80 04 00 00"
                   "00 00 00 00 00 00 00 00 00 01 00 00 00 00 00 00",
                   "00 00 00 00 00 00 80 00", "FC FF", "FF F9", "00 00 FF"},
        IconGolden{24, 3266,
                   "00 00 01 00 01 00 | 20 20 00 00 00 00 00 00 AC 0C 00 00 16 00 00 00 |"
                   "28 00 00 00 20 00 00 00 40 00 00 00 01 00 18 00 00 00 00 00 81 04 00 00"
                   "00 00 00 00 00 00 00 00 01 00 00 00 00 00 00 00",
                   "20 20 20 20", "FF 00 00 FF FF FF", "FF FF FF 00 00 FF", "00 00 00 00 00 00 FF FF FF"}),
    [](const auto& info) { return "Depth" + std::to_string(info.param.depth); });

TEST(IconWriter, TheStandard256TableStandsInTheEightBitFile) {
  const auto b = EncodeIconFile(Marked(), kGrey, 8).bytes;
  // Entry 246 is cream FFFBF0, stored blue first.
  EXPECT_EQ(Slice(b, 62 + 246 * 4, 4), Hex("F0 FB FF 00"));
}

TEST(IconWriter, ACursorDiffersOnlyInTypeAndHotspot) {
  for (int depth : {1, 4, 8, 24}) {
    const auto icon = EncodeIconFile(Marked(), kGrey, depth).bytes;
    const auto cursor = EncodeCursorFile(Marked(), kGrey, depth, PaletteMode::Standard, {5, 31}).bytes;
    ASSERT_EQ(cursor.size(), icon.size());
    for (std::size_t i = 0; i < icon.size(); ++i) {
      if (i == 2) EXPECT_EQ(cursor[i], 2);
      else if (i == 10) EXPECT_EQ(cursor[i], 5);
      else if (i == 12) EXPECT_EQ(cursor[i], 31);
      else if (i == 3 || i == 11 || i == 13) EXPECT_EQ(cursor[i], 0);
      else EXPECT_EQ(cursor[i], icon[i]) << "depth " << depth << " byte " << i;
    }
  }
}

TEST(IconWriter, RefusesDepthsItCannotWrite) {
  EXPECT_TRUE(EncodeIconFile(Marked(), kGrey, 16).bytes.empty());
  EXPECT_TRUE(EncodeIconFile(Marked(), kGrey, 32).bytes.empty());
}

// Opaque pixels come back as the depth's standard version, transparent ones as
// the transparent colour, whatever colour the editor uses for it.
class IconRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(IconRoundTrip, GivesTheReducedColoursAndTheTransparency) {
  const int depth = GetParam();
  for (Colour transparent : {kGrey, Colour{0}}) {
    Surface picture(32, 32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) picture.SetPixel(x, y, Rgb(x * 8, y * 8, (x ^ y) * 8));
    for (int x = 3; x < 20; ++x) picture.SetPixel(x, 7, transparent);
    const Surface standard = ExpandDib(GetBitsAtDepth(picture, depth));

    auto read = ReadIconImage(EncodeIconFile(picture, transparent, depth).bytes, transparent);
    ASSERT_TRUE(read) << read.Reason();
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const Colour expected = picture.GetPixel(x, y) == transparent ? transparent : standard.GetPixel(x, y);
        ASSERT_EQ(read->image.GetPixel(x, y), expected) << "depth " << depth << " at " << x << "," << y;
      }
    EXPECT_EQ(read->mask[(31 - 7) * 4], 0x1F);  // x = 3..7 of the row 7 from the top
  }
}

INSTANTIATE_TEST_SUITE_P(EveryDepth, IconRoundTrip, ::testing::Values(1, 4, 8, 24));

TEST(AdaptivePalette, KeepsEveryColourOfAnImageWithExactly256) {
  Surface picture(32, 32);
  // 256 colours, black among them, each on four pixels.
  for (int k = 0; k < 1024; ++k) picture.Pixels()[k] = k % 256 == 0 ? 0 : Rgb(k % 256, 255 - k % 256, (k % 256) * 7);
  const Colour transparent = Rgb(1, 2, 3);
  auto read = ReadIconImage(EncodeIconFile(picture, transparent, 8, PaletteMode::Adaptive).bytes, transparent);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->image, picture);
}

TEST(AdaptivePalette, GathersInFourInterleavedPassesAndMapsTheRestToTheNearest) {
  Surface picture(32, 32);
  for (int k = 0; k < 1024; ++k) picture.Pixels()[k] = Rgb(k % 32 * 8, k / 32 * 8, k % 4 * 60);
  const Palette256 palette = BuildAdaptivePalette(picture);
  // The first pass alone visits 256 distinct pixels: 0, 4, 8, ...
  for (int i = 0; i < 256; ++i) ASSERT_EQ(palette[i], picture.Pixels()[4 * i]) << i;

  // The kept colours have blue 0 and red a multiple of 32; the others take the
  // nearest by the sum of differences: pixel 3, (24, 0, 180), takes (32, 0, 0).
  const auto b = EncodeIconFile(picture, Rgb(1, 1, 1), 8, PaletteMode::Adaptive).bytes;
  const std::size_t bits = 62 + 1024;
  auto storedAt = [&](int k) { return b[bits + (31 - k / 32) * 32 + k % 32]; };
  for (auto [pixel, index] : {std::pair{0, 0}, {1, 0}, {2, 0}, {3, 1}, {516, 129}, {517, 129}, {1023, 255}})
    EXPECT_EQ(storedAt(pixel), index) << "pixel " << pixel;
}

TEST(AdaptivePalette, BreaksDistanceTiesByTheSecondScore) {
  // Target (50, 100, 200): both candidates are 2 away; (52, 100, 200) scores
  // 48 + 100 + 150 = 298 against 302 for (48, 100, 200) and (50, 100, 202).
  const Colour lower = Rgb(48, 100, 200), better = Rgb(52, 100, 200), same = Rgb(50, 100, 202);
  Palette256 palette{};
  palette[1] = lower;
  palette[2] = better;
  EXPECT_EQ(NearestPaletteIndex(palette, 50, 100, 200), 2);
  palette[1] = better;
  palette[2] = lower;
  EXPECT_EQ(NearestPaletteIndex(palette, 50, 100, 200), 1);
  palette[1] = lower;
  palette[2] = same;  // an equal second score keeps the earlier entry
  EXPECT_EQ(NearestPaletteIndex(palette, 50, 100, 200), 1);
  // Unused entries are black and take part: black itself is entry 0, the first best.
  EXPECT_EQ(NearestPaletteIndex(palette, 0, 0, 0), 0);
}

}  // namespace
}  // namespace gs
