#include <gtest/gtest.h>

#include <functional>

#include "IconFileBuilder.h"
#include "formats/IconReader.h"
#include "formats/IconWriter.h"

namespace gs {
namespace {

using testing::EntrySpec;
using testing::IconFile;

using Bytes = std::vector<std::uint8_t>;

Bytes Good4Bit() { return EncodeIconFile(Surface(32, 32, Rgb(0, 0, 128)), 0xE0E0E0, 4).bytes; }

void PutU16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(Bytes& b, std::size_t at, std::uint32_t v) {
  PutU16(b, at, v & 0xFFFF);
  PutU16(b, at + 2, v >> 16);
}

// The bytes of a good 766-byte icon changed one way, or a file built from scratch.
Bytes Changed(const std::function<void(Bytes&)>& change) {
  Bytes b = Good4Bit();
  change(b);
  return b;
}

struct BadFile {
  const char* name;
  Bytes bytes;
  const char* reason;
};

class BadIconFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadIconFile, IsRefusedWithItsReason) {
  auto read = ReadIconImage(GetParam().bytes, 0xE0E0E0);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.Reason(), GetParam().reason);
}

EntrySpec Bits(int w, int h, int bits) {
  EntrySpec s;
  s.width = w;
  s.height = h;
  s.bitCount = bits;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Classes, BadIconFile,
    ::testing::Values(
        BadFile{"Empty", {}, "the file is empty"},
        BadFile{"ShorterThanItsHeader", {0, 0, 1}, "the file is too short to be an icon or cursor"},
        BadFile{"NotAnIcon", Changed([](Bytes& b) { PutU16(b, 2, 3); }), "it is not an icon or cursor file"},
        BadFile{"ABitmapFile", Changed([](Bytes& b) { b[0] = 'B', b[1] = 'M'; }), "it is not an icon or cursor file"},
        BadFile{"CountOfZero", Changed([](Bytes& b) { PutU16(b, 4, 0); }), "the directory lists no images"},
        BadFile{"DirectoryCutShort", Changed([](Bytes& b) { b.resize(20); }), "the directory is cut short"},
        BadFile{"MoreEntriesThanTheFileHolds", Changed([](Bytes& b) { PutU16(b, 4, 0xFFFF); }),
                "the directory is cut short"},
        BadFile{"OffsetPastTheEnd", Changed([](Bytes& b) { PutU32(b, 18, 767); }), "entry 1 runs past the end of the file"},
        BadFile{"SizePastTheEnd", Changed([](Bytes& b) { PutU32(b, 14, 745); }), "entry 1 runs past the end of the file"},
        BadFile{"OffsetAndSizeOverflow", Changed([](Bytes& b) { PutU32(b, 18, 0xFFFFFFF0), PutU32(b, 14, 0x20); }),
                "entry 1 runs past the end of the file"},
        BadFile{"FileCutShort", Changed([](Bytes& b) { b.resize(700); }), "entry 1 runs past the end of the file"},
        BadFile{"HeaderSizeNot40", Changed([](Bytes& b) { PutU32(b, 22, 12); }),
                "entry 1 has an image header of 12 bytes, not 40"},
        BadFile{"SixteenBits", Changed([](Bytes& b) { PutU16(b, 22 + 14, 16); }),
                "entry 1 has an unsupported bit depth of 16"},
        BadFile{"Compressed", Changed([](Bytes& b) { PutU32(b, 22 + 16, 1); }),
                "entry 1 uses compression method 1, which is not supported"},
        BadFile{"NoWidth", Changed([](Bytes& b) { PutU32(b, 22 + 4, 0); }), "entry 1 has an unusable size of 0 × 32"},
        BadFile{"Enormous", Changed([](Bytes& b) { PutU32(b, 22 + 8, 0x7FFFFFFF); }),
                "entry 1 has an unusable size of 32 × 1073741823"},
        BadFile{"TooShortForAHeader", Changed([](Bytes& b) { PutU32(b, 14, 30); }),
                "entry 1 is too short to hold an image header"},
        BadFile{"ColourTableCutShort", Changed([](Bytes& b) { PutU32(b, 14, 80); }),
                "the colour table of entry 1 is cut short"},
        BadFile{"PixelsCutShort", Changed([](Bytes& b) { PutU32(b, 14, 40 + 64 + 511); }),
                "the pixel data of entry 1 is cut short"},
        BadFile{"MaskCutShort", Changed([](Bytes& b) { PutU32(b, 14, 743); }), "the mask of entry 1 is cut short"},
        BadFile{"NothingDecodable", IconFile({Bits(32, 32, 16), Bits(16, 16, 2)}),
                "entry 1 has an unsupported bit depth of 16"},
        BadFile{"ThirtyTwoBitsWithoutAlphaOrMask",
                [] {
                  Bytes b = IconFile({Bits(16, 16, 32)});
                  PutU32(b, 14, static_cast<std::uint32_t>(b.size() - 22 - 64));
                  return b;
                }(),
                "the mask of entry 1 is cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

// A file cut at any length is refused, never read past its end (the address
// sanitizer build would catch an overrun).
TEST(BadIconFile, EveryTruncationOfAGoodFileIsRefused) {
  for (int depth : {1, 4, 8, 24}) {
    const Bytes good = EncodeIconFile(Surface(32, 32, Rgb(1, 2, 3)), 0xE0E0E0, depth).bytes;
    for (std::size_t n = 0; n < good.size(); ++n) {
      const Bytes cut(good.begin(), good.begin() + n);
      ASSERT_FALSE(ReadIconImage(cut, 0xE0E0E0)) << "depth " << depth << " cut at " << n;
    }
    ASSERT_TRUE(ReadIconImage(good, 0xE0E0E0));
  }
}

}  // namespace
}  // namespace gs
