#include <gtest/gtest.h>

#include "IconFileBuilder.h"
#include "formats/BitmapWriter.h"
#include "formats/PcxWriter.h"

namespace gs {
namespace {

using testing::Hex;
using testing::Slice;

constexpr Colour kGrey = 0xE0E0E0;

// White with the top-left pixel in the transparent colour and a red bottom-right one.
Surface Picture() {
  Surface s(32, 32, Rgb(255, 255, 255));
  s.SetPixel(0, 0, kGrey);
  s.SetPixel(31, 31, Rgb(255, 0, 0));
  return s;
}

struct BitmapGolden {
  int depth;
  std::size_t size;
  const char* headers;  // file header and info header, 54 bytes
  const char* firstPixels;
  const char* lastPixels;
};

class BitmapLayout : public ::testing::TestWithParam<BitmapGolden> {};

TEST_P(BitmapLayout, WritesEveryHeaderField) {
  const BitmapGolden g = GetParam();
  const auto b = EncodeBitmapFile(Picture(), g.depth);
  ASSERT_EQ(b.size(), g.size);
  EXPECT_EQ(Slice(b, 0, 54), Hex(g.headers));
  const auto first = Hex(g.firstPixels), last = Hex(g.lastPixels);
  const std::size_t pixels = testing::U32At(b, 10);
  EXPECT_EQ(Slice(b, pixels, first.size()), first);  // the bottom row comes first
  EXPECT_EQ(Slice(b, b.size() - last.size(), last.size()), last);
}

// The transparent colour is exported as a colour: light grey becomes white at 1
// and 4 bits, cream (246) at 8 bits, and itself at 24.
INSTANTIATE_TEST_SUITE_P(
    EveryDepth, BitmapLayout,
    ::testing::Values(
        BitmapGolden{1, 190,
                     "42 4D BE 00 00 00 00 00 00 00 3E 00 00 00 | 28 00 00 00 20 00 00 00 20 00 00 00 01 00 01 00"
                     "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 02 00 00 00 02 00 00 00",
                     "FF FF FF FE", "FF FF FF FF"},
        BitmapGolden{4, 630,
                     "42 4D 76 02 00 00 00 00 00 00 76 00 00 00 | 28 00 00 00 20 00 00 00 20 00 00 00 01 00 04 00"
                     "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 10 00 00 00 10 00 00 00",
                     "FF FF", "FF FF"},
        BitmapGolden{8, 2102,
                     "42 4D 36 08 00 00 00 00 00 00 36 04 00 00 | 28 00 00 00 20 00 00 00 20 00 00 00 01 00 08 00"
                     "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 01 00 00",
                     "FF FF", "FF FF"},
        BitmapGolden{24, 3126,
                     "42 4D 36 0C 00 00 00 00 00 00 36 00 00 00 | 28 00 00 00 20 00 00 00 20 00 00 00 01 00 18 00"
                     "00 00 00 00 00 0C 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
                     "FF FF FF", "FF FF FF"}),
    [](const auto& info) { return "Depth" + std::to_string(info.param.depth); });

TEST(BitmapLayout, KeepsTheTransparentColourAndTheTableInPlace) {
  const auto b8 = EncodeBitmapFile(Picture(), 8);
  EXPECT_EQ(Slice(b8, 54 + 246 * 4, 4), Hex("F0 FB FF 00"));
  EXPECT_EQ(b8[1078 + 31 * 32], 246);  // the top-left pixel, in the last stored row
  const auto b24 = EncodeBitmapFile(Picture(), 24);
  EXPECT_EQ(Slice(b24, 54 + 31 * 96, 3), Hex("E0 E0 E0"));
  EXPECT_EQ(Slice(b24, 54 + 31 * 3, 3), Hex("00 00 FF"));
}

TEST(PcxRuns, EncodeSinglesRunsAndFlaggedBytes) {
  std::vector<std::uint8_t> out;
  EmitPCXRun(out, 0x3F, 1);
  EmitPCXRun(out, 0xBF, 1);
  EmitPCXRun(out, 0xC0, 1);
  EmitPCXRun(out, 0xC5, 1);
  EmitPCXRun(out, 0x00, 2);
  EmitPCXRun(out, 0x07, 63);
  EXPECT_EQ(out, Hex("3F BF C1 C0 C1 C5 C2 00 FF 07"));
}

TEST(PcxRuns, StopAtTheEndOfEachRowAndAt63) {
  std::vector<std::uint8_t> rows(32, 0xC5);
  EXPECT_EQ(EncodePCXRows(rows, 32, 1), Hex("E0 C5"));
  rows = {1, 0xC5, 2, 2, 0xC5, 0xC5};
  EXPECT_EQ(EncodePCXRows(rows, 6, 1), Hex("01 C1 C5 C2 02 C2 C5"));
  rows.assign(8, 9);  // two rows of four: runs do not cross the row end
  EXPECT_EQ(EncodePCXRows(rows, 4, 2), Hex("C4 09 C4 09"));
  rows.assign(100, 0x44);
  EXPECT_EQ(EncodePCXRows(rows, 100, 1), Hex("FF 44 E5 44"));
}

struct PcxGolden {
  int depth;
  const char* head;  // bytes 0..15
  int planes;
  int bytesPerLine;
  std::size_t size;
};

class PcxLayout : public ::testing::TestWithParam<PcxGolden> {};

TEST_P(PcxLayout, WritesTheHeaderAndTheTrailer) {
  const PcxGolden g = GetParam();
  const auto b = EncodePCXFile(Surface(32, 32, Rgb(255, 0, 0)), g.depth);
  ASSERT_EQ(b.size(), g.size);
  EXPECT_EQ(Slice(b, 0, 16), Hex(g.head));
  EXPECT_EQ(b[64], 0);
  EXPECT_EQ(b[65], g.planes);
  EXPECT_EQ(testing::U16At(b, 66), static_cast<std::uint32_t>(g.bytesPerLine));
  EXPECT_EQ(Slice(b, 68, 60), std::vector<std::uint8_t>(60, 0));  // palette information 0, filler
  const bool headerPalette = g.depth == 4;
  EXPECT_EQ(Slice(b, 16, 48) == std::vector<std::uint8_t>(48, 0), !headerPalette);
}

// A flat red picture: every plane row is one run (0xC0 + length, value).
INSTANTIATE_TEST_SUITE_P(
    EveryDepth, PcxLayout,
    ::testing::Values(PcxGolden{1, "0A 05 01 01 01 00 01 00 20 00 20 00 60 00 60 00", 1, 4, 128 + 32 * 2},
                      PcxGolden{4, "0A 05 01 04 01 00 01 00 20 00 20 00 60 00 60 00", 1, 16, 128 + 32 * 2},
                      PcxGolden{8, "0A 05 01 08 01 00 01 00 20 00 20 00 60 00 60 00", 1, 32, 128 + 32 * 2 + 769},
                      PcxGolden{24, "0A 05 01 08 01 00 01 00 20 00 20 00 60 00 60 00", 3, 32, 128 + 32 * 6}),
    [](const auto& info) { return "Depth" + std::to_string(info.param.depth); });

TEST(PcxLayout, StoresColoursWhereEachDepthWantsThem) {
  const Surface red(32, 32, Rgb(255, 0, 0));
  const auto b4 = EncodePCXFile(red, 4);
  EXPECT_EQ(Slice(b4, 16 + 7 * 3, 6), Hex("80 80 80 C0 C0 C0"));  // header palette as red, green, blue
  EXPECT_EQ(Slice(b4, 128, 2), Hex("D0 99"));                       // red is index 9, two per byte
  const auto b8 = EncodePCXFile(red, 8);
  EXPECT_EQ(Slice(b8, 128, 2), Hex("E0 F9"));  // index 249
  EXPECT_EQ(b8[b8.size() - 769], 0x0C);
  EXPECT_EQ(Slice(b8, b8.size() - 768 + 246 * 3, 3), Hex("FF FB F0"));
  const auto b24 = EncodePCXFile(Picture(), 24);
  // Top scan line: red row (E0 at x = 0 from the grey pixel), green row, blue row.
  EXPECT_EQ(Slice(b24, 128, 14), Hex("C1 E0 DF FF C1 E0 DF FF C1 E0 DF FF E0 FF"));
  const auto b1 = EncodePCXFile(Picture(), 1);
  EXPECT_EQ(Slice(b1, 128 + 31 * 2, 4), Hex("C3 FF C1 FE"));  // 0xFE is flagged too
}

}  // namespace
}  // namespace gs
