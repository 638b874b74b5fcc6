#include <gtest/gtest.h>

#include <limits>

#include "support/AniFileBuilder.h"
#include "formats/AniReader.h"
#include "formats/IconWriter.h"

namespace gs {
namespace {

using namespace testing;

Bytes Cursor(Colour fill, Point hotspot = {1, 1}) {
  return EncodeCursorFile(Surface(32, 32, fill), 0xE0E0E0, 4, PaletteMode::Standard, hotspot).bytes;
}

TEST(AniReader, TurnsJiffiesIntoMilliseconds) {
  for (auto [jiffies, ms] : {std::pair{0u, 0u}, {1u, 17u}, {3u, 50u}, {6u, 100u}, {10u, 167u}, {15u, 250u},
                             {std::numeric_limits<std::uint32_t>::max(), std::numeric_limits<std::uint32_t>::max()}})
    EXPECT_EQ(JiffiesToMilliseconds(jiffies), ms) << jiffies;
}

const Bytes kA = Cursor(Rgb(255, 0, 0)), kB = Cursor(Rgb(0, 255, 0), {7, 8}), kOdd = {9, 8, 7};

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
        ReadCase{"InfoFirstAndUnknownChunks",
                 Riff({kInfo, Chunk("junk", {1, 2, 3}), Anih(2, 2, 4), List("abcd", {}), Fram({kA, kB})}),
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
                 {1, 1, 1}},
        ReadCase{"OtherChunksInTheFrameList", Riff({Anih(1, 1, 1), List("fram", {Chunk("note", {1}), Chunk("icon", kA)})}),
                 {kA}, {0}, {1}},
        ReadCase{"JunkAfterTheRiffForm", Cat({Riff({Anih(1, 1, 7), Fram({kA})}), Bytes{'x', 'y'}}), {kA}, {0}, {7}}),
    [](const auto& info) { return std::string(info.param.name); });

struct DamageCase {
  const char* name;
  Bytes file;
  std::string reason;
};

class AniReaderRefuses : public ::testing::TestWithParam<DamageCase> {};

TEST_P(AniReaderRefuses, DamagedFilesWithAReason) {
  EXPECT_EQ(ReadAnimatedCursor(GetParam().file).Reason(), GetParam().reason);
}

const Bytes kGood = Riff({Anih(1, 1, 6), Fram({kA})});
Bytes WithRiffSize(std::uint32_t size) {
  Bytes b = kGood;
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  return b;
}
Bytes ManyEmptyFrames(std::size_t n) { return Riff({Anih(1, 1, 1), Fram(std::vector<Bytes>(n))}); }

INSTANTIATE_TEST_SUITE_P(
    Damage, AniReaderRefuses,
    ::testing::Values(
        DamageCase{"AnIcon", Cursor(0), "it is not an animated cursor (no RIFF \"ACON\" header)"},
        DamageCase{"AWaveFile", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'},
                   "it is not an animated cursor (no RIFF \"ACON\" header)"},
        DamageCase{"RiffSizePastTheEnd", WithRiffSize(static_cast<std::uint32_t>(kGood.size() - 7)),
                   "the RIFF size of " + std::to_string(kGood.size() - 7) + " bytes does not fit the file's " +
                       std::to_string(kGood.size())},
        DamageCase{"RiffSizeOfFour", WithRiffSize(4), "the file has no \"anih\" header"},
        DamageCase{"HugeRiffSize", WithRiffSize(0xFFFFFFFF), "the RIFF size of 4294967295 bytes does not fit the file's " +
                                                                 std::to_string(kGood.size())},
        DamageCase{"ChunkPastTheForm", Riff({Chunk("anih", U32s({36, 1, 1, 0, 0, 0, 0, 6, 1}), true, 0x7FFFFFFF), Fram({kA})}),
                   "the \"anih\" chunk at offset 12 runs past the end of the RIFF form"},
        DamageCase{"FramePastTheList", Riff({Anih(1, 1, 6), List("fram", {Chunk("icon", kA, true, 100000)})}),
                   "the \"icon\" chunk at offset 68 runs past the end of the LIST \"fram\""},
        DamageCase{"CutChunkHeader", Riff({Anih(1, 1, 6), Fram({kA}), Bytes{'j', 'u', 'n', 'k'}}),
                   "a chunk header at offset " + std::to_string(kGood.size()) + " is cut short by the end of the RIFF form"},
        DamageCase{"ListTooShortForItsType", Riff({Anih(1, 1, 6), Chunk("LIST", {'f', 'r'}), Fram({kA})}),
                   "the LIST at offset 56 is too short for its type"},
        DamageCase{"NoHeader", Riff({Fram({kA})}), "the file has no \"anih\" header"},
        DamageCase{"ShortHeader", Riff({Chunk("anih", U32s({36, 1, 1, 0, 0})), Fram({kA})}),
                   "the \"anih\" chunk is 20 bytes, not 36"},
        DamageCase{"TwoHeaders", Riff({Anih(1, 1, 6), Anih(1, 1, 6), Fram({kA})}), "the file has more than one \"anih\" chunk"},
        DamageCase{"TwoFrameLists", Riff({Anih(1, 1, 6), Fram({kA}), Fram({kA})}), "the file has more than one LIST \"fram\""},
        DamageCase{"TwoRateChunks", Riff({Anih(1, 1, 6), Chunk("rate", U32s({1})), Chunk("rate", U32s({1})), Fram({kA})}),
                   "the file has more than one \"rate\" chunk"},
        DamageCase{"RawBitmapFrames", Riff({Anih(1, 1, 6, 0), Fram({kA})}), "its frames are raw bitmaps, not icon or cursor files"},
        DamageCase{"NoFrameList", Riff({Anih(1, 1, 6)}), "the file has no LIST \"fram\" of frames"},
        DamageCase{"NoFrames", Riff({Anih(0, 0, 6), List("fram", {})}), "the file holds no frames"},
        DamageCase{"MoreFramesCounted", Riff({Anih(3, 3, 6), Fram({kA, kB})}), "the header counts 3 frames but the file holds 2"},
        DamageCase{"FewerFramesCounted", Riff({Anih(1, 1, 6), Fram({kA, kB})}), "the header counts 1 frame but the file holds 2"},
        DamageCase{"NoSteps", Riff({Anih(1, 0, 6), Fram({kA})}), "the header counts no steps"},
        DamageCase{"StepsWithoutSequence", Riff({Anih(2, 3, 6), Fram({kA, kB})}),
                   "the header counts 3 steps for 2 frames and there is no \"seq \" chunk"},
        DamageCase{"TooManySteps", Riff({Anih(1, 65537, 6, 3), Fram({kA})}), "the header counts 65537 steps, more than 65536"},
        DamageCase{"RatesForOtherSteps", Riff({Anih(2, 2, 6), Chunk("rate", U32s({6, 6, 6})), Fram({kA, kB})}),
                   "the \"rate\" chunk is 12 bytes, not 4 for each of 2 steps"},
        DamageCase{"CutSequence", Riff({Anih(2, 1, 6, 3), Chunk("seq ", {0, 0}), Fram({kA, kB})}),
                   "the \"seq \" chunk is 2 bytes, not 4 for each of 1 step"},
        DamageCase{"SequenceNamesAMissingFrame", Riff({Anih(2, 3, 6, 3), Chunk("seq ", U32s({0, 2, 1})), Fram({kA, kB})}),
                   "step 2 shows frame 3, but the file holds 2 frames"},
        DamageCase{"TooManyFrames", ManyEmptyFrames(65537), "the file holds more than 65536 frames"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AniReader, OpensOneFrameAsOpenDoes) {
  const auto ani = ReadAnimatedCursor(Riff({Anih(3, 3, 6), Fram({kA, kB, kOdd})}));
  ASSERT_TRUE(ani);
  const auto frame = ReadAnimatedCursorFrame(*ani, 1, 0xE0E0E0);
  ASSERT_TRUE(frame) << frame.Reason();
  EXPECT_EQ(frame->image, Surface(32, 32, Rgb(0, 255, 0)));
  EXPECT_EQ(frame->hotspot, (Point{7, 8}));
  EXPECT_EQ(ReadAnimatedCursorFrame(*ani, 2, 0).Reason(), "frame 3: the file is too short to be an icon or cursor");
  EXPECT_EQ(ReadAnimatedCursorFrame(*ani, 3, 0).Reason(), "there is no frame 4 of 3");
}

}  // namespace
}  // namespace gs
