#include <gtest/gtest.h>

#include "IconFileBuilder.h"
#include "formats/IconChooser.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"
#include "formats/PalettedBits.h"

namespace gs {
namespace {

using testing::EntrySpec;
using testing::IconFile;
using testing::TableColour;

constexpr Colour kGrey = 0xE0E0E0;

EntrySpec Entry(int w, int h, int bits) {
  EntrySpec s;
  s.width = w;
  s.height = h;
  s.bitCount = bits;
  return s;
}

TEST(ExpandPalettedBits, WalksEachByteFromItsHighBits) {
  const std::vector<Colour> table = {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
  std::vector<std::uint8_t> out;
  ExpandPalettedBits(std::vector<std::uint8_t>{0xA0}, 1, table, out);
  EXPECT_EQ(out, (std::vector<std::uint8_t>{6, 5, 4, 3, 2, 1, 6, 5, 4, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1}));
  out.clear();
  ExpandPalettedBits(std::vector<std::uint8_t>{0x21, 0x0F}, 4, table, out);  // 2, 1, 0, and 15: past the table
  EXPECT_EQ(out, (std::vector<std::uint8_t>{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0}));
  out.clear();
  ExpandPalettedBits(std::vector<std::uint8_t>{2, 200}, 8, table, out);
  EXPECT_EQ(out, (std::vector<std::uint8_t>{9, 8, 7, 0, 0, 0}));
  out.clear();
  ExpandPalettedBits(std::vector<std::uint8_t>{1, 2}, 24, table, out);
  EXPECT_TRUE(out.empty());
}

struct ChoiceCase {
  const char* name;
  std::vector<EntrySpec> entries;
  int expected;
};

class ChooseIconImageTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseIconImageTest, TakesTheFirst32By32At24Then8Then4Then1Bits) {
  const auto file = IconFile(GetParam().entries);
  auto dir = ReadIconDirectory(file);
  ASSERT_TRUE(dir) << dir.Reason();
  EXPECT_EQ(ChooseIconImage(dir->entries), GetParam().expected);
}

EntrySpec Lying(EntrySpec s, int w, int h, int bits) {
  s.dir.bWidth = static_cast<std::uint8_t>(w);
  s.dir.bHeight = static_cast<std::uint8_t>(h);
  s.dir.wBitCount = static_cast<std::uint16_t>(bits);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChooseIconImageTest,
    ::testing::Values(
        ChoiceCase{"TwentyFourBeatsAnEarlierEight", {Entry(32, 32, 8), Entry(32, 32, 24)}, 1},
        ChoiceCase{"EightBeatsFourAndOne", {Entry(32, 32, 1), Entry(32, 32, 4), Entry(32, 32, 8)}, 2},
        ChoiceCase{"FirstOfEqualEntries", {Entry(16, 16, 24), Entry(32, 32, 4), Entry(32, 32, 4)}, 1},
        ChoiceCase{"OtherSizesDoNotQualify", {Entry(16, 16, 24), Entry(48, 48, 8)}, -1},
        ChoiceCase{"ThirtyTwoBitsDoNotQualify", {Entry(32, 32, 32)}, -1},
        ChoiceCase{"ASingle16By16IsNotTaken", {Entry(16, 16, 4)}, -1},
        ChoiceCase{"TheImageHeaderCountsNotTheDirectory",
                   {Lying(Entry(16, 16, 24), 32, 32, 24), Lying(Entry(32, 32, 8), 0, 0, 0)}, 1},
        ChoiceCase{"ACursorsHotspotIsNoDepth", {Lying(Entry(32, 32, 4), 32, 32, 24), Entry(32, 32, 1)}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IconReader, MaskedPixelsBecomeTheTransparentColourEvenBlack) {
  EntrySpec s = Entry(32, 32, 4);
  s.pixel = [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 16); };
  s.masked = [](int x, int y) { return y < 2 || x == 31; };
  for (Colour transparent : {kGrey, Colour{0}}) {
    auto read = ReadIconImage(IconFile({s}), transparent);
    ASSERT_TRUE(read) << read.Reason();
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_EQ(read->image.GetPixel(x, y), s.masked(x, y) ? transparent : TableColour((x + y) % 16)) << x << "," << y;
    EXPECT_EQ(read->mask[0], 0x00);
    EXPECT_EQ(read->mask[3], 0x01);       // bottom row: only x = 31
    EXPECT_EQ(read->mask[124], 0xFF);     // top row: all
    EXPECT_FALSE(read->converted);
    EXPECT_FALSE(read->isCursor);
  }
}

// Our writer declares one table entry at 24 bits and stores four bytes; others
// declare none and store none. Both must be read in step.
TEST(IconReader, Skips24BitColourTablesAsDeclared) {
  for (auto [clrUsed, entries] : {std::pair{0u, 0}, std::pair{1u, 1}, std::pair{3u, 3}}) {
    EntrySpec s = Entry(32, 32, 24);
    s.clrUsed = clrUsed;
    s.tableEntries = entries;
    s.pixel = [](int x, int y) { return Rgb(x * 7, y * 7, 99); };
    auto read = ReadIconImage(IconFile({s}), kGrey);
    ASSERT_TRUE(read) << read.Reason();
    EXPECT_EQ(read->image.GetPixel(0, 0), Rgb(0, 0, 99)) << clrUsed;
    EXPECT_EQ(read->image.GetPixel(31, 30), Rgb(217, 210, 99)) << clrUsed;
  }
}

TEST(IconReader, ACursorGivesItsHotspot) {
  const auto bytes = EncodeCursorFile(Surface(32, 32, Rgb(9, 9, 9)), kGrey, 4, PaletteMode::Standard, {7, 30}).bytes;
  auto read = ReadIconImage(bytes, kGrey);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_TRUE(read->isCursor);
  EXPECT_EQ(read->hotspot, (Point{7, 30}));
}

// When no entry qualifies, the best image stands in, scaled to 32 × 32.
TEST(IconReaderFallback, ScalesTheSmallestLargerImage) {
  EntrySpec big = Entry(64, 64, 24), best = Entry(48, 48, 24), small = Entry(16, 16, 24);
  big.pixel = [](int, int) { return Rgb(255, 0, 0); };
  best.pixel = [](int x, int) { return x < 25 ? Rgb(0, 0, 0) : Rgb(200, 100, 0); };
  small.pixel = [](int, int) { return Rgb(0, 255, 0); };
  auto read = ReadIconImage(IconFile({small, big, best}), kGrey);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_TRUE(read->converted);
  EXPECT_EQ(read->entryIndex, 2);
  EXPECT_EQ(read->image.GetPixel(0, 5), Rgb(0, 0, 0));
  EXPECT_EQ(read->image.GetPixel(31, 5), Rgb(200, 100, 0));
  // Pixel 16 covers source pixels 24 and half of 25: (0 + 200 / 2) / 1.5, rounded.
  EXPECT_EQ(read->image.GetPixel(16, 5), Rgb(67, 33, 0));
}

TEST(IconReaderFallback, EnlargesTheLargestOfSmallerImages) {
  EntrySpec tiny = Entry(8, 8, 4), small = Entry(16, 16, 4);
  small.pixel = [](int x, int y) { return x < 8 ? 1u : 2u; };
  small.masked = [](int x, int y) { return y == 15; };
  auto read = ReadIconImage(IconFile({tiny, small}), kGrey);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_EQ(read->entryIndex, 1);
  EXPECT_EQ(read->image.GetPixel(15, 0), TableColour(1));
  EXPECT_EQ(read->image.GetPixel(16, 29), TableColour(2));
  EXPECT_EQ(read->image.GetPixel(16, 30), kGrey);  // the masked bottom row doubled
  EXPECT_EQ(read->mask[0], 0xFF);
  EXPECT_EQ(read->mask[8], 0x00);
}

TEST(IconReaderFallback, Uses32BitAlphaOverTheTransparentColour) {
  EntrySpec rgba = Entry(32, 32, 32), old = Entry(16, 16, 8);
  rgba.pixel = [](int x, int) -> std::uint32_t {
    const int alpha = x < 8 ? 0 : x < 16 ? 127 : x < 24 ? 128 : 255;
    return WithAlpha(Rgb(0, 0, 255), alpha);
  };
  rgba.masked = [](int, int) { return true; };  // ignored while the alpha channel is in use
  auto read = ReadIconImage(IconFile({old, rgba}), kGrey);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_EQ(read->entryIndex, 1);
  EXPECT_EQ(read->image.GetPixel(0, 0), kGrey);
  EXPECT_EQ(read->image.GetPixel(15, 0), kGrey);
  // Half-opaque blue over E0E0E0: 224 × 127 / 255 ≈ 112 of grey, plus 128 of blue.
  EXPECT_EQ(read->image.GetPixel(16, 0), Rgb(112, 112, 240));
  EXPECT_EQ(read->image.GetPixel(31, 0), Rgb(0, 0, 255));
  EXPECT_EQ(read->mask[4 * 31], 0xFF);  // top row, x = 0..7
  EXPECT_EQ(read->mask[4 * 31 + 1], 0xFF);
  EXPECT_EQ(read->mask[4 * 31 + 2], 0x00);
}

// A minimal PNG entry: the signature and an IHDR of w × h RGBA.
std::vector<std::uint8_t> PngStub(int w, int h) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int v : {w, h}) {
    png.push_back(static_cast<std::uint8_t>(v >> 24));
    png.push_back(static_cast<std::uint8_t>(v >> 16));
    png.push_back(static_cast<std::uint8_t>(v >> 8));
    png.push_back(static_cast<std::uint8_t>(v));
  }
  png.insert(png.end(), {8, 6, 0, 0, 0, 1, 2, 3, 4});
  return png;
}

TEST(IconReaderFallback, HandsPngEntriesToTheCallersDecoder) {
  EntrySpec png;
  png.raw = PngStub(256, 256);
  const auto file = IconFile({Entry(16, 16, 1), png});
  std::vector<std::uint8_t> seen;
  const PngDecoder decoder = [&](std::span<const std::uint8_t> bytes) -> std::optional<RgbaImage> {
    seen.assign(bytes.begin(), bytes.end());
    RgbaImage img{64, 64, std::vector<std::uint32_t>(64 * 64, WithAlpha(Rgb(10, 20, 30), 255))};
    return img;
  };
  auto read = ReadIconImage(file, kGrey, decoder);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_EQ(seen, png.raw);
  EXPECT_EQ(read->entryIndex, 1);
  EXPECT_EQ(read->image.GetPixel(5, 5), Rgb(10, 20, 30));

  // Without a decoder, or with one that fails, the next candidate stands in.
  auto withoutDecoder = ReadIconImage(file, kGrey);
  ASSERT_TRUE(withoutDecoder);
  EXPECT_EQ(withoutDecoder->entryIndex, 0);
  const PngDecoder failing = [](std::span<const std::uint8_t>) { return std::optional<RgbaImage>{}; };
  EXPECT_EQ(ReadIconImage(file, kGrey, failing)->entryIndex, 0);
  const PngDecoder lying = [](std::span<const std::uint8_t>) {
    return std::optional<RgbaImage>(RgbaImage{64, 64, std::vector<std::uint32_t>(10)});
  };
  EXPECT_EQ(ReadIconImage(file, kGrey, lying)->entryIndex, 0);
  EXPECT_EQ(ReadIconImage(IconFile({png}), kGrey).Reason(), "entry 1 is a PNG image, which cannot be decoded here");
  EXPECT_EQ(ReadIconImage(IconFile({png}), kGrey, failing).Reason(), "the PNG image of entry 1 cannot be decoded");
}

}  // namespace
}  // namespace gs
