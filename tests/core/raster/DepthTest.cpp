#include <gtest/gtest.h>

#include "raster/Depth.h"

namespace gs {
namespace {

TEST(StandardTables, SixteenColoursPutGreyBeforeLightGrey) {
  const auto& t = StandardColourTable16();
  EXPECT_EQ(t[0], Rgb(0, 0, 0));
  EXPECT_EQ(t[1], Rgb(0x80, 0, 0));
  EXPECT_EQ(t[7], Rgb(0x80, 0x80, 0x80));
  EXPECT_EQ(t[8], Rgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(t[9], Rgb(0xFF, 0, 0));
  EXPECT_EQ(t[12], Rgb(0, 0, 0xFF));
  EXPECT_EQ(t[15], Rgb(0xFF, 0xFF, 0xFF));
}

TEST(StandardTables, TwoHundredFiftySixHoldTheStaticColoursAndTheCube) {
  const auto& t = StandardColourTable256();
  EXPECT_EQ(t[7], Rgb(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(t[8], Rgb(0xC0, 0xDC, 0xC0));
  EXPECT_EQ(t[10], Rgb(0x40, 0x20, 0x00));
  EXPECT_EQ(t[164], Rgb(0x80, 0x80, 0x80));
  EXPECT_EQ(t[245], Rgb(0xA0, 0xC0, 0xC0));
  EXPECT_EQ(t[246], Rgb(0xFF, 0xFB, 0xF0));
  EXPECT_EQ(t[248], Rgb(0x80, 0x80, 0x80));
  EXPECT_EQ(t[255], Rgb(0xFF, 0xFF, 0xFF));
}

struct Mapping {
  int bits;
  Colour colour;
  int index;
};
class NearestIndexTest : public ::testing::TestWithParam<Mapping> {};

TEST_P(NearestIndexTest, MapsToTheNearestEntryLowerIndexOnTies) {
  const Mapping m = GetParam();
  EXPECT_EQ(NearestStandardIndex(m.bits, m.colour), m.index) << std::hex << m.colour;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, NearestIndexTest,
    ::testing::Values(Mapping{1, Rgb(127, 128, 128), 1}, Mapping{1, Rgb(127, 128, 127), 0},
                      Mapping{4, Rgb(0xE0, 0xE0, 0xE0), 15}, Mapping{4, Rgb(0x60, 0x60, 0x60), 7},
                      Mapping{4, Rgb(0xA0, 0xA0, 0xA0), 7}, Mapping{4, Rgb(0x40, 0x40, 0x40), 0},
                      Mapping{4, Rgb(0xC0, 0xC0, 0xC0), 8}, Mapping{8, Rgb(0x80, 0x80, 0x80), 164},
                      Mapping{8, Rgb(0xC0, 0xC0, 0xC0), 7}, Mapping{8, Rgb(0xFF, 0xFF, 0xFF), 255},
                      Mapping{8, Rgb(0xFF, 0, 0), 249}, Mapping{8, Rgb(0xE0, 0xE0, 0xE0), 246}));

TEST(NearestIndex, EveryEntryOfTheEightBitTableMapsToItsOwnColour) {
  const auto& t = StandardColourTable256();
  for (Colour c : t) EXPECT_EQ(t[NearestStandardIndex(8, c)], c) << std::hex << c;
}

TEST(GetBitsAtDepth, PacksRowsBottomUpWithTheHighBitsLeftmost) {
  Surface s(32, 32, Rgb(0xFF, 0xFF, 0xFF));
  s.SetPixel(0, 31, 0);  // bottom-left black
  s.SetPixel(1, 0, Rgb(0xFF, 0, 0));
  const DibBits mono = GetBitsAtDepth(s, 1);
  ASSERT_EQ(mono.bits.size(), 128u);
  EXPECT_EQ(mono.bits[0], 0x7F);  // first stored row is the bottom row
  EXPECT_EQ(mono.table, (std::vector<Colour>{0, 0xFFFFFF}));

  const DibBits four = GetBitsAtDepth(s, 4);
  ASSERT_EQ(four.bits.size(), 512u);
  EXPECT_EQ(four.bits[31 * 16], 0xF9);  // top row, pixels 0 (white) and 1 (red)
  EXPECT_EQ(four.bits[0], 0x0F);

  const DibBits eight = GetBitsAtDepth(s, 8, /*topDown=*/true);
  ASSERT_EQ(eight.bits.size(), 1024u);
  EXPECT_EQ(eight.bits[1], 249);
  EXPECT_EQ(eight.bits[31 * 32], 0);

  const DibBits full = GetBitsAtDepth(s, 24);
  ASSERT_EQ(full.bits.size(), 3072u);
  EXPECT_TRUE(full.table.empty());
  EXPECT_EQ(full.bits[31 * 96 + 3], 0x00);  // blue, green, red of the red pixel
  EXPECT_EQ(full.bits[31 * 96 + 5], 0xFF);

  EXPECT_TRUE(GetBitsAtDepth(s, 16).bits.empty());
}

TEST(GetBitsAtDepth, RowsOfOddWidthsArePaddedToFourBytes) {
  const Surface s(16, 2, Rgb(0xFF, 0xFF, 0xFF));
  const DibBits mono = GetBitsAtDepth(s, 1);
  EXPECT_EQ(mono.Stride(), 4);
  ASSERT_EQ(mono.bits.size(), 8u);
  EXPECT_EQ(mono.bits[0], 0xFF);
  EXPECT_EQ(mono.bits[2], 0x00);  // padding
}

TEST(ExpandDib, ReducingAndExpandingGivesTheTableColours) {
  Surface s(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) s.SetPixel(x, y, Rgb(x * 8, y * 8, (x + y) * 4));
  for (int bits : {1, 4, 8, 24})
    for (bool topDown : {false, true}) {
      const DibBits dib = GetBitsAtDepth(s, bits, topDown);
      const Surface back = ExpandDib(dib);
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
          const Colour original = s.GetPixel(x, y);
          const Colour expected =
              bits == 24 ? original : DefaultColourTable(bits)[NearestStandardIndex(bits, original)];
          ASSERT_EQ(back.GetPixel(x, y), expected) << bits << " bits at " << x << "," << y;
        }
    }
}

TEST(ExpandDib, BitsThatRunShortLeaveBlackPixels) {
  DibBits dib;
  dib.width = 32;
  dib.height = 32;
  dib.bitCount = 8;
  dib.table = DefaultColourTable(8);
  dib.bits.assign(10, 255);
  const Surface s = ExpandDib(dib);
  EXPECT_EQ(s.GetPixel(0, 31), 0xFFFFFFu);
  EXPECT_EQ(s.GetPixel(10, 31), 0u);
  EXPECT_EQ(s.GetPixel(0, 0), 0u);
}

TEST(TableToRgbQuads, WritesBlueGreenRedZero) {
  EXPECT_EQ(TableToRgbQuads({Rgb(1, 2, 3)}), (std::vector<std::uint8_t>{3, 2, 1, 0}));
}

}  // namespace
}  // namespace gs
