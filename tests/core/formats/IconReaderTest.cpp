#include <gtest/gtest.h>

#include "formats/IconChooser.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"
#include "raster/Depth.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"

namespace gs {
namespace {

using namespace testing;

constexpr Colour kGrey = 0xE0E0E0;

// Each entry's own image header counts: the directory's size and bit count (a cursor's hotspot) may say anything.
TEST(PreferredIconImages, Are32By32At24Then8Then4Then1Bits) {
  using Order = std::vector<int>;
  const std::pair<std::vector<EntryLayout>, Order> cases[] = {
      {{Entry(32, 32, 8), Entry(32, 32, 24)}, {1, 0}},
      {{Entry(32, 32, 1), Entry(32, 32, 4), Entry(32, 32, 8)}, {2, 1, 0}},
      {{Entry(16, 16, 24), Entry(32, 32, 4), Entry(32, 32, 4)}, {1, 2}},
      {{Entry(16, 16, 24), Entry(48, 48, 8), Entry(32, 32, 32)}, {}},
      {{{.width = 16, .height = 16, .dir = {32, 32, 0, 0, 0, 24}}, Entry(32, 32, 8)}, {1}},
      {{{.bitCount = 4, .dir = {32, 32, 0, 0, 0, 24}}, Entry(32, 32, 1)}, {0, 1}},
  };
  for (const auto& c : cases) {
    auto dir = ReadIconDirectory(IconFile(c.first));
    ASSERT_TRUE(dir) << dir.Reason();
    EXPECT_EQ(PreferredIconImages(dir->entries), c.second) << "case " << &c - cases;
  }
}

// The file with entry `index` cut to `size` bytes (the bytes stay; the directory says less).
Bytes WithEntryCut(Bytes file, int index, std::uint32_t size) {
  const std::size_t at = 6 + 16 * index + 8;  // dwBytesInRes
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(size >> (8 * i));
  return file;
}

// A damaged image the headers prefer does not hide an intact one: the next best that decodes is taken.
// Only when none decodes is the file refused, with the first image's reason.
TEST(IconReader, PassesOverADamagedImageToTheNextThatDecodes) {
  const EntryLayout deep{.pixel = [](int, int) { return Rgb(9, 9, 9); }};
  const EntryLayout four{.bitCount = 4, .pixel = [](int, int) { return 12u; }};
  const std::uint32_t cut = 40 + 3 * 32 * 10;  // the header and ten rows of 24-bit pixels
  auto read = ReadIconImage(WithEntryCut(IconFile({deep, four}), 0, cut), kGrey);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_EQ(read->entryIndex, 1);
  EXPECT_FALSE(read->converted);
  EXPECT_EQ(read->image.GetPixel(3, 3), TableColour(12));
  const Bytes allCut = WithEntryCut(WithEntryCut(IconFile({four, deep}), 1, cut), 0, 40 + 64 + 100);
  EXPECT_EQ(ReadIconImage(allCut, kGrey).Reason(), "the pixel data of entry 2 is cut short");
}

struct ReadCase {
  const char* name;
  Bytes file;
  Colour transparent;
  std::vector<std::tuple<int, int, Colour>> pixels;
  std::pair<int, const char*> mask{0, ""};  // AND mask bytes from an index; rows bottom first, 4 bytes each
  int entryIndex = 0;
  bool converted = false;
};

class ReadIconImageTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadIconImageTest, GivesThePixelsAndTheMask) {
  const ReadCase& c = GetParam();
  auto read = ReadIconImage(c.file, c.transparent);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_EQ(read->entryIndex, c.entryIndex);
  EXPECT_EQ(read->converted, c.converted);
  for (auto [x, y, colour] : c.pixels) EXPECT_EQ(read->image.GetPixel(x, y), colour) << x << "," << y;
  const Bytes mask = Hex(c.mask.second);
  EXPECT_EQ(Slice({read->mask.begin(), read->mask.end()}, c.mask.first, mask.size()), mask);
}

// 4 bits, index (x + y) % 16, masked along the top two rows and the right edge.
const Bytes kMasked = IconFile({{.bitCount = 4, .pixel = [](int x, int y) { return (x + y) % 16u; },
                                 .masked = [](int x, int y) { return y < 2 || x == 31; }}});
const Bytes kBare24 = IconFile({{.pixel = [](int x, int y) { return Rgb(x * 7, y * 7, 99); }}});
const EntryLayout kSmall{.width = 16, .height = 16, .bitCount = 4, .pixel = [](int x, int) { return x < 8 ? 1u : 2u; },
                         .masked = [](int, int y) { return y == 15; }};
const EntryLayout kLarge{.width = 48, .height = 48, .pixel = [](int x, int) { return x < 25 ? 0 : Rgb(200, 100, 0); }};
const EntryLayout kAlpha{.bitCount = 32, .pixel = [](int x, int) {
                           return WithAlpha(Rgb(0, 0, 255), x < 8 ? 0 : x < 16 ? 127 : x < 24 ? 128 : 255);
                         }, .masked = [](int, int) { return true; }};

// Masked pixels take the transparent colour. A 24-bit entry skips as many table entries as it declares
// (others none; ours one, read back below). When no 32 × 32 entry qualifies the best image stands in,
// area-averaged or enlarged to 32 × 32: a 32 × 32 one with alpha first, else the smallest larger one, else
// the largest.
INSTANTIATE_TEST_SUITE_P(
    Files, ReadIconImageTest,
    ::testing::Values(
        ReadCase{"Masked", kMasked, kGrey, {{0, 0, kGrey}, {31, 5, kGrey}, {30, 5, TableColour(3)}}, {0, "00000001"}},
        ReadCase{"Bare24", kBare24, kGrey, {{0, 0, Rgb(0, 0, 99)}, {31, 30, Rgb(217, 210, 99)}}},
        // Pixel 16 covers source pixels 24 and half of 25: (0 + 200 / 2) / 1.5, rounded.
        ReadCase{"SmallestLargerScaled", IconFile({Entry(16, 16, 24), Entry(64, 64, 24), kLarge}), kGrey,
                 {{0, 5, 0}, {16, 5, Rgb(67, 33, 0)}, {31, 5, Rgb(200, 100, 0)}}, {0, "00"}, 2, true},
        ReadCase{"LargestSmallerEnlarged", IconFile({Entry(8, 8, 4), kSmall}), kGrey,
                 {{15, 0, TableColour(1)}, {16, 29, TableColour(2)}, {16, 30, kGrey}}, {4, "FFFFFFFF 00000000"}, 1, true},
        // Alpha below one half is transparent, the mask ignored. Alpha 128: 224 × 127 / 255 ≈ 112 of grey, 128 of blue.
        ReadCase{"AlphaOverTheTransparentColour", IconFile({Entry(16, 16, 8), kAlpha}), kGrey,
                 {{15, 0, kGrey}, {16, 0, Rgb(112, 112, 240)}, {31, 0, Rgb(0, 0, 255)}}, {124, "FFFF0000"}, 1, true}),
    [](const auto& info) { return std::string(info.param.name); });

// What the writer writes reads back: opaque pixels as the depth's standard version, transparent ones as the
// transparent colour, whatever colour the editor uses for it. A file cut short is refused (other cuts are
// the fuzz target's).
TEST(IconReader, ReadsWhatTheWriterWritesAndRefusesItCutShort) {
  for (int depth : {1, 4, 8, 24})
    for (Colour transparent : {kGrey, Colour{0}}) {
      Surface picture(32, 32);
      for (int k = 0; k < 1024; ++k) picture.Pixels()[k] = Rgb(k % 32 * 8, k / 32 * 8, (k % 32 ^ k / 32) * 8);
      for (int x = 3; x < 20; ++x) picture.SetPixel(x, 7, transparent);
      Surface expected = ExpandDib(GetBitsAtDepth(picture, depth));
      for (int x = 3; x < 20; ++x) expected.SetPixel(x, 7, transparent);
      const Bytes file = EncodeIconFile(picture, transparent, depth).bytes;
      auto read = ReadIconImage(file, transparent);
      ASSERT_TRUE(read) << read.Reason();
      EXPECT_EQ(read->image, expected) << depth;
      EXPECT_EQ(read->mask[(31 - 7) * 4], 0x1F);  // x = 3..7 of the row 7 from the top
      EXPECT_EQ(ReadIconImage(Slice(file, 0, file.size() - 1), transparent).Reason(),
                "entry 1 runs past the end of the file");
    }
}

// PNG images are decoded in the core: a larger PNG stands in for a missing 32 × 32 image as any larger image
// does, a damaged one is passed over for the next candidate, and a PNG picture saved under an icon's name
// opens as an icon of its one image.
TEST(IconReader, DecodesPngImagesAndPngPictures) {
  const Bytes png = SolidRgbaPng(64, 64, {10, 20, 30, 255});
  const Bytes file = IconFile({Entry(16, 16, 1), {.raw = png}});
  auto read = ReadIconImage(file, kGrey);
  ASSERT_TRUE(read) << read.Reason();
  EXPECT_EQ(read->entryIndex, 1);
  EXPECT_TRUE(read->converted);
  EXPECT_EQ(read->image.GetPixel(5, 5), Rgb(10, 20, 30));

  Bytes damaged = png;
  damaged[damaged.size() - 20] ^= 0xFF;  // inside the compressed image data
  EXPECT_EQ(ReadIconImage(IconFile({Entry(16, 16, 1), {.raw = damaged}}), kGrey)->entryIndex, 0);
  EXPECT_EQ(ReadIconImage(IconFile({{.raw = damaged}}), kGrey).Reason(),
            "entry 1: the PNG image cannot be decoded: IDAT stream error");

  // Half-transparent pixels go under the transparent colour, as with any image that has alpha.
  auto picture = ReadIconImage(SolidRgbaPng(32, 32, {200, 0, 0, 0}), kGrey);
  ASSERT_TRUE(picture) << picture.Reason();
  EXPECT_EQ(picture->image.GetPixel(31, 31), kGrey);
  EXPECT_FALSE(picture->isCursor);
}

}  // namespace
}  // namespace gs
