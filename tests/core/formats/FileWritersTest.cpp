#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <limits>

#include "formats/AdaptivePalette.h"
#include "formats/AnimatedCursor.h"
#include "formats/BitmapWriter.h"
#include "formats/FieldValues.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"
#include "formats/PcxWriter.h"
#include "support/AniFileBuilder.h"
#include "support/TempFolder.h"

namespace gs {
namespace {

namespace fs = std::filesystem;
using namespace testing;

constexpr Colour kGrey = 0xE0E0E0, kRed = Rgb(255, 0, 0);

Bytes Chars(std::string_view s) { return {s.begin(), s.end()}; }
Bytes Cursor(Colour fill, int depth) {
  return EncodeCursorFile(Surface(32, 32, fill), kGrey, depth, PaletteMode::Standard, {3, 4}).bytes;
}

// White, the top-left pixel transparent and a red bottom-right one; Marked adds a
// second transparent pixel and a blue bottom-left one.
Surface Picture(bool marked = false) {
  Surface s(32, 32, Rgb(255, 255, 255));
  s.SetPixel(0, 0, kGrey);
  s.SetPixel(31, 31, kRed);
  s.SetPixel(1, 0, marked ? kGrey : Rgb(255, 255, 255));
  s.SetPixel(0, 31, marked ? Rgb(0, 0, 255) : Rgb(255, 255, 255));
  return s;
}
Surface Marked() { return Picture(true); }
const Surface kFlatRed(32, 32, kRed);

std::string Zeros(int bytes) { return std::string(2 * bytes, '0'); }

// A file's size and its bytes at offsets; negative offsets count from the end.
struct Golden {
  const char* name;
  Bytes file;
  std::size_t size;
  std::vector<std::pair<long, std::string>> at;
};

class FileLayout : public ::testing::TestWithParam<Golden> {};

TEST_P(FileLayout, IsByteExact) {
  const Golden& g = GetParam();
  ASSERT_EQ(g.file.size(), g.size);
  for (const auto& [offset, hex] : g.at) {
    const Bytes expected = Hex(hex);
    const std::size_t from = offset < 0 ? g.file.size() + offset : offset;
    ASSERT_LE(from + expected.size(), g.file.size()) << offset;
    EXPECT_EQ(Slice(g.file, from, expected.size()), expected) << "at " << offset;
  }
}

// Icons keep every field of earlier versions' files, quirks included: wPlanes 5 and wBitCount 7 at 2 colours,
// biSizeImage 1153 and one table entry of 0x20 bytes at 24 bits. Rows are stored bottom-up, transparent pixels
// black in the colour bits and set in the AND mask (the last 128). Exports write the transparent colour as a
// colour (grey becomes white at 1 bit); bitmaps share the icons' pixel bits. PCX stores rows top-down as runs.
INSTANTIATE_TEST_SUITE_P(
    Files, FileLayout,
    ::testing::Values(
        Golden{"Icon1", EncodeIconFile(Marked(), kGrey, 1).bytes, 326,
               {{0, "0000 0100 0100 | 20 20 00 00 0500 0700 30010000 16000000 | 28000000 20000000 40000000 0100 0100"
                    "00000000 80000000 00000000 00000000 00000000 00000000 | 00000000 FFFFFF00 | 7FFFFFFE"},
                {-132, "3FFFFFFF"}, {-128, "00000000"}, {-4, "C0000000"}}},
        Golden{"Icon4", EncodeIconFile(Marked(), kGrey, 4).bytes, 766,
               {{0, "0000 0100 0100 | 20 20 10 00 0000 0000 E8020000 16000000 | 28000000 20000000 40000000 0100 0400"
                    "00000000 02000000 00000000 00000000 00000000 00000000 | 00000000 00008000 00800000 00808000"
                    "80000000 80008000 80800000 80808000 C0C0C000 0000FF00"},
                {126, "CFFF"}, {140, "FFF9"}, {-144, "00FF"}, {-128, "00000000"}, {-4, "C0000000"}}},
        Golden{"Icon8", EncodeIconFile(Marked(), kGrey, 8).bytes, 2238,
               {{0, "0000 0100 0100 | 20 20 00 00 0000 0000 A8080000 16000000 | 28000000 20000000 40000000 0100 0800"
                    "00000000 80040000 00000000 00000000 00010000 00000000 | 00000000 00008000"},
                {62 + 246 * 4, "F0FBFF00"}, {1086, "FCFF"}, {1116, "FFF9"}, {-160, "0000FF"}, {-128, "00000000"},
                {-4, "C0000000"}}},
        Golden{"Icon24", EncodeIconFile(Marked(), kGrey, 24).bytes, 3266,
               {{0, "0000 0100 0100 | 20 20 00 00 0000 0000 AC0C0000 16000000 | 28000000 20000000 40000000 0100 1800"
                    "00000000 81040000 00000000 00000000 01000000 00000000 | 20202020 | FF0000 FFFFFF"},
                {156, "FFFFFF 0000FF"}, {-224, "000000 000000 FFFFFF"}, {-128, "00000000"}, {-4, "C0000000"}}},
        // A cursor is the icon with type 2 and the hotspot in wPlanes and wBitCount.
        Golden{"Cursor1", EncodeCursorFile(Marked(), kGrey, 1, PaletteMode::Standard, {5, 31}).bytes, 326,
               {{0, "0000 0200 0100 | 20 20 00 00 0500 1F00 30010000 16000000"}, {-132, "3FFFFFFF"}, {-4, "C0000000"}}},
        Golden{"Bitmap1", EncodeBitmapFile(Picture(), 1), 190,
               {{0, "424D BE000000 0000 0000 3E000000 | 28000000 20000000 20000000 0100 0100 00000000 00000000"
                    "00000000 00000000 02000000 02000000 | 00000000 FFFFFF00 | FFFFFFFE"},
                {-4, "FFFFFFFF"}}},
        Golden{"Bitmap24", EncodeBitmapFile(Picture(), 24), 3126,
               {{0, "424D 360C0000 0000 0000 36000000 | 28000000 20000000 20000000 0100 1800 00000000 000C0000"
                    "00000000 00000000 00000000 00000000 | FFFFFF"},
                {54 + 31 * 3, "0000FF"}, {-96, "E0E0E0"}, {-3, "FFFFFF"}}},
        // Black and white are the first two entries of the header palette; FE is flagged, the red pixel black.
        Golden{"Pcx1", EncodePCXFile(Picture(), 1), 128 + 31 * 2 + 4,
               {{0, "0A 05 01 01 0100 0100 2000 2000 6000 6000 000000 FFFFFF" + Zeros(42) + "00 01 0400" +
                        Zeros(60) + "C4 FF"},
                {128 + 31 * 2, "C3 FF C1 FE"}}},
        Golden{"Pcx4", EncodePCXFile(kFlatRed, 4), 128 + 32 * 2,  // header palette as red, green, blue
               {{0, "0A 05 01 04 0100 0100 2000 2000 6000 6000"}, {16 + 7 * 3, "808080 C0C0C0"},
                {64, "00 01 1000" + Zeros(60) + "D0 99"}}},  // red is index 9, two per byte
        Golden{"Pcx8", EncodePCXFile(kFlatRed, 8), 128 + 32 * 2 + 769,
               {{0, "0A 05 01 08 0100 0100 2000 2000 6000 6000" + Zeros(48) + "00 01 2000" + Zeros(60) + "E0 F9"},
                {-769, "0C"}, {-768 + 246 * 3, "FF FB F0"}}},
        // Each scan line is the red row, the green row, the blue row: E0 at x = 0 from the grey pixel at the
        // top, then 30 white lines, then the red pixel at the bottom right.
        Golden{"Pcx24", EncodePCXFile(Picture(), 24), 128 + 12 + 30 * 6 + 8,
               {{0, "0A 05 01 08 0100 0100 2000 2000 6000 6000" + Zeros(48) + "00 03 2000" + Zeros(60) +
                        "C1 E0 DF FF C1 E0 DF FF C1 E0 DF FF E0 FF"},
                {-8, "E0 FF DF FF 00 DF FF 00"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Single bytes from 0xC0 up are flagged as runs of one (the goldens hold no byte at the bound).
TEST(PcxRuns, FlagSingleBytesFromC0Up) { EXPECT_EQ(EncodePCXRows(Bytes{0xBF, 0xC0, 0x3F}, 3, 1), Hex("BF C1 C0 3F")); }

TEST(AdaptivePalette, KeepsEveryColourOfAnImageWithExactly256) {
  Surface picture(32, 32);  // 256 colours, black among them, each on four pixels
  for (int k = 0; k < 1024; ++k) picture.Pixels()[k] = k % 256 == 0 ? 0 : Rgb(k % 256, 255 - k % 256, (k % 256) * 7);
  auto read = ReadIconImage(EncodeIconFile(picture, Rgb(1, 2, 3), 8, PaletteMode::Adaptive).bytes, Rgb(1, 2, 3));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->image, picture);
}

TEST(AdaptivePalette, GathersInFourInterleavedPassesAndMapsTheRestToTheNearest) {
  Surface picture(32, 32);
  for (int k = 0; k < 1024; ++k) picture.Pixels()[k] = Rgb(k % 32 * 8, k / 32 * 8, k % 4 * 60);
  const Palette256 palette = BuildAdaptivePalette(picture);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(palette[i], picture.Pixels()[4 * i]) << i;  // the first pass: 0, 4, 8, ...
  // The others take the nearest by the sum of differences: pixel 3, (24, 0, 180), takes (32, 0, 0).
  const Bytes b = EncodeIconFile(picture, Rgb(1, 1, 1), 8, PaletteMode::Adaptive).bytes;
  for (auto [k, index] : {std::pair{0, 0}, {1, 0}, {2, 0}, {3, 1}, {516, 129}, {517, 129}, {1023, 255}})
    EXPECT_EQ(b[62 + 1024 + (31 - k / 32) * 32 + k % 32], index) << "pixel " << k;
}

// anih first, then the title and artist, then the frames; odd-sized chunks padded, the pads counted in the
// sizes of their LIST and of the RIFF form.
TEST(AnimatedCursor, WritesItsChunksByteExact) {
  const std::string_view name = {"Created with GlyphSmith 5.0 -            \0", 42}, artist = {"GlyphSmith 5.0\0", 15};
  const Bytes expected = Cat({
      Hex("52494646 B4000000 41434F4E"),  // RIFF 180 ACON; anih: 3 frames, 3 steps, rate 15, icon data
      Hex("616E6968 24000000 | 24000000 03000000 03000000 00000000 00000000 00000000 00000000 0F000000 01000000"),
      Hex("4C495354 4E000000 494E464F | 494E414D 2A000000"), Chars(name),  // LIST 78 INFO, INAM
      Hex("49415254 0F000000"), Chars(artist),                               // IART 15
      Hex("00 | 4C495354 26000000 6672616D"),  // pad, LIST 38 fram: 4 + (8 + 3 + 1) + (8 + 2) + (8 + 3 + 1)
      Hex("69636F6E 03000000 010203 00 | 69636F6E 02000000 0405 | 69636F6E 03000000 060708 00")});
  EXPECT_EQ(EncodeAnimatedCursor(std::vector<Bytes>{{1, 2, 3}, {4, 5}, {6, 7, 8}}, 250).Value(), expected);
  EXPECT_EQ(EncodeAnimatedCursor(std::vector<Bytes>{}, 100).Reason(), "an animated cursor needs at least one frame");
}

TEST(SaveDialogFields, IntervalHotspotAndDisplayRate) {
  // Jiffies of 1/60 s, the nearest, at least 1: 250 ms shows each frame for 250 ms, not 417.
  constexpr int kMax = std::numeric_limits<int>::max();
  for (auto [ms, rate] : {std::pair{0, 1u}, {24, 1u}, {25, 2u}, {250, 15u}, {kMax, 128849019u}})
    EXPECT_EQ(DisplayRateForInterval(ms), rate) << ms;
  EXPECT_EQ(ParseFrameInterval(" 2.5ms").Value(), 2);  // the refusals: AniDialogTest
  EXPECT_EQ(ParseHotspot("31", "3.5x").Value(), (Point{31, 4}));  // the leading number, halves to even
  EXPECT_EQ(ParseHotspot("-0.5", "31.5").Reason(), "Y Hotspot must be a value between 0 and 31 !");
}

// The desktop's image loader must accept what we write. It runs as a child
// process: the loader may abort on a file it dislikes.
using DesktopLoader = testing::TempFolder;

TEST_F(DesktopLoader, LoadsOurAnimatedCursors) {
  const std::string thumbnailer = "/usr/bin/gdk-pixbuf-thumbnailer";
  if (::access(thumbnailer.c_str(), X_OK) != 0) GTEST_SKIP() << "gdk-pixbuf-thumbnailer is not installed";
  Put("spin.ani", EncodeAnimatedCursor(std::vector<Bytes>{Cursor(Rgb(255, 0, 0), 4), Cursor(0, 24)}, 100).Value());
  const int status = std::system((thumbnailer + " -s 32 '" + Path("spin.ani") + "' '" + Path("spin.png") + "'").c_str());
  ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(Text("spin.png").substr(1, 3), "PNG");
}

}  // namespace
}  // namespace gs
