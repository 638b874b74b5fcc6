#include <gtest/gtest.h>

#include "raster/Depth.h"

namespace gs {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Exact entries pin the tables: grey comes before light grey among the 16
// colours, and the 256 keep the static colours around their cube.
TEST(NearestIndex, MapsToTheNearestEntryWithTheLowerIndexOnTies) {
  const struct { int bits; Colour colour; int index; } cases[] = {
      {1, Rgb(127, 128, 128), 1},    {1, Rgb(127, 128, 127), 0},      {4, Rgb(0xE0, 0xE0, 0xE0), 15},
      {4, Rgb(0xA0, 0xA0, 0xA0), 7}, {4, Rgb(0x40, 0x40, 0x40), 0},    {4, Rgb(0xC0, 0xC0, 0xC0), 8},
      {8, Rgb(0x80, 0x80, 0x80), 164}, {8, Rgb(0xE0, 0xE0, 0xE0), 246}, {8, Rgb(0x40, 0x20, 0), 10}};
  for (const auto& c : cases) EXPECT_EQ(NearestStandardIndex(c.bits, c.colour), c.index) << std::hex << c.colour;
  const auto& t = StandardColourTable256();
  for (Colour c : t) EXPECT_EQ(t[NearestStandardIndex(8, c)], c) << std::hex << c;
}

// Bottom-left black and a red pixel at (1, 0) on white.
TEST(GetBitsAtDepth, PacksPaddedRowsBottomUpWithTheHighBitsLeftmost) {
  Surface s(32, 32, Rgb(0xFF, 0xFF, 0xFF));
  s.SetPixel(0, 31, 0);
  s.SetPixel(1, 0, Rgb(0xFF, 0, 0));
  const DibBits mono = GetBitsAtDepth(s, 1), four = GetBitsAtDepth(s, 4);
  const DibBits eight = GetBitsAtDepth(s, 8, /*topDown=*/true), full = GetBitsAtDepth(s, 24);
  ASSERT_EQ((std::vector<size_t>{mono.bits.size(), four.bits.size(), eight.bits.size(), full.bits.size()}),
            (std::vector<size_t>{128, 512, 1024, 3072}));
  EXPECT_EQ(Bytes(mono.bits.begin(), mono.bits.begin() + 5), (Bytes{0x7F, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(mono.table, (std::vector<Colour>{0, 0xFFFFFF}));
  EXPECT_EQ((Bytes{four.bits[0], four.bits[31 * 16], eight.bits[1], eight.bits[31 * 32]}), (Bytes{0x0F, 0xF9, 249, 0}));
  EXPECT_EQ(Bytes(full.bits.begin() + 31 * 96 + 3, full.bits.begin() + 31 * 96 + 6), (Bytes{0, 0, 0xFF}));
  EXPECT_TRUE(full.table.empty());
  EXPECT_TRUE(GetBitsAtDepth(s, 16).bits.empty());
  // Rows are padded to four bytes; tables are stored blue, green, red, 0.
  EXPECT_EQ(GetBitsAtDepth(Surface(16, 2, 0xFFFFFF), 1).bits, (Bytes{0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}));
  EXPECT_EQ(TableToRgbQuads({Rgb(1, 2, 3)}), (Bytes{3, 2, 1, 0}));
}

TEST(ExpandDib, GivesTheTableColourOfEachPixelsNearestEntry) {
  Surface s(32, 32);
  for (int i = 0; i < 1024; ++i) s.SetPixel(i % 32, i / 32, Rgb(i % 32 * 8, i / 32 * 8, (i % 32 + i / 32) * 4));
  for (int bits : {1, 4, 8, 24})
    for (bool topDown : {false, true}) {
      const Surface back = ExpandDib(GetBitsAtDepth(s, bits, topDown));
      for (int i = 0; i < 1024; ++i) {
        const Colour original = s.GetPixel(i % 32, i / 32);
        ASSERT_EQ(back.GetPixel(i % 32, i / 32),
                  bits == 24 ? original : DefaultColourTable(bits)[NearestStandardIndex(bits, original)])
            << bits << " bits, top down " << topDown << ", pixel " << i;
      }
    }
}

}  // namespace
}  // namespace gs
