#include <gtest/gtest.h>

#include <limits>

#include "support/AniFileBuilder.h"
#include "formats/AniReader.h"
#include "formats/IconWriter.h"

namespace gs {
namespace {

using namespace testing;

Bytes Cursor(Colour fill) {
  return EncodeCursorFile(Surface(32, 32, fill), 0xE0E0E0, 4, PaletteMode::Standard, {1, 1}).bytes;
}

TEST(AniReader, TurnsJiffiesIntoMilliseconds) {
  constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
  for (auto [jiffies, ms] : {std::pair{0u, 0u}, {1u, 17u}, {3u, 50u}, {10u, 167u}, {kMax, kMax}})
    EXPECT_EQ(JiffiesToMilliseconds(jiffies), ms) << jiffies;
}

const Bytes kA = Cursor(Rgb(255, 0, 0)), kB = Cursor(Rgb(0, 255, 0)), kOdd = {9, 8, 7};

struct ReadCase {
  const char* name;
  Bytes file;
  std::vector<Bytes> frames;
  std::vector<std::uint32_t> sequence, rates;
};

class AniReaderReads : public ::testing::TestWithParam<ReadCase> {};

// Files other writers make: chunks in any order, rate and sequence chunks,
// padded or not, with chunks we do not know.
TEST_P(AniReaderReads, TheFramesSequenceAndRates) {
  const ReadCase& c = GetParam();
  const auto ani = ReadAnimatedCursor(c.file);
  ASSERT_TRUE(ani) << ani.Reason();
  EXPECT_EQ(ani->frames, c.frames);
  EXPECT_EQ(ani->sequence, c.sequence);
  EXPECT_EQ(ani->rates, c.rates);
}

const Bytes kInfo = List("INFO", {Chunk("INAM", {'s', 'p', 'i', 'n', 0}, false), Chunk("IART", {'m', 'e', 0})});

INSTANTIATE_TEST_SUITE_P(
    Layouts, AniReaderReads,
    ::testing::Values(
        ReadCase{"RateAndSequenceBeforeTheHeader",
                 Riff({Chunk("seq ", U32s({1, 0, 1, 1})), Chunk("rate", U32s({6, 10, 3, 6})), Anih(2, 4, 99, 3),
                       Fram({kA, kB})}),
                 {kA, kB}, {1, 0, 1, 1}, {6, 10, 3, 6}},
        // Also junk inside the frame list and after the RIFF form.
        ReadCase{"InfoFirstAndUnknownChunks",
                 Cat({Riff({kInfo, Chunk("junk", {1, 2, 3}), Anih(2, 2, 4), List("abcd", {}),
                            List("fram", {Chunk("note", {1}), Chunk("icon", kA), Chunk("icon", kB)})}),
                      Bytes{'x', 'y'}}),
                 {kA, kB}, {0, 1}, {4, 4}},
        // As older writers did: a 5-byte title followed straight by the next chunk, odd frames unpadded.
        ReadCase{"NoPadBytes",
                 Riff({List("INFO", {Chunk("INAM", {'s', 'p', 'i', 'n', 0}, false)}), Anih(3, 3, 2),
                       Fram({kOdd, kA, kOdd}, false)}),
                 {kOdd, kA, kOdd}, {0, 1, 2}, {2, 2, 2}},
        ReadCase{"PaddedOddFramesAndTrailingZeros",
                 Riff({Anih(2, 2, 5), Fram({kOdd, kOdd}), Bytes{0, 0, 0}}), {kOdd, kOdd}, {0, 1}, {5, 5}},
        ReadCase{"SequenceWithoutItsFlag",
                 Riff({Anih(2, 3, 1), Chunk("seq ", U32s({1, 1, 0})), Fram({kA, kB})}), {kA, kB}, {1, 1, 0},
                 {1, 1, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// One file for each kind of damage: not an animated cursor, cut short, a chunk past its container, a
// missing or unsupported part, counts that disagree, a step naming a missing frame, too many frames. The
// animated-cursor fuzz target replays the other branches.
TEST(AniReader, RefusesDamagedFilesWithAReason) {
  const std::pair<Bytes, const char*> cases[] = {
      {Cursor(0), "it is not an animated cursor (no RIFF \"ACON\" header)"},
      {Riff({Anih(1, 1, 6), Bytes{'j', 'u', 'n', 'k'}}),
       "a chunk header at offset 56 is cut short by the end of the RIFF form"},
      {Riff({Chunk("anih", U32s({36, 1, 1, 0, 0, 0, 0, 6, 1}), true, 0x7FFFFFFF), Fram({kA})}),
       "the \"anih\" chunk at offset 12 runs past the end of the RIFF form"},
      {Riff({Fram({kA})}), "the file has no \"anih\" header"},
      {Riff({Anih(1, 1, 6, 0), Fram({kA})}), "its frames are raw bitmaps, not icon or cursor files"},
      {Riff({Anih(3, 3, 6), Fram({kA, kB})}), "the header counts 3 frames but the file holds 2"},
      {Riff({Anih(2, 3, 6, 3), Chunk("seq ", U32s({0, 2, 1})), Fram({kA, kB})}),
       "step 2 shows frame 3, but the file holds 2 frames"},
      {Riff({Anih(1, 1, 1), Fram(std::vector<Bytes>(65537))}), "the file holds more than 65536 frames"},
  };
  for (const auto& [file, reason] : cases) EXPECT_EQ(ReadAnimatedCursor(file).Reason(), reason);
}

}  // namespace
}  // namespace gs
