#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "IconFileBuilder.h"
#include "formats/AnimatedCursor.h"
#include "formats/FieldValues.h"
#include "formats/IconWriter.h"

namespace gs {
namespace {

using testing::Hex;
using testing::Slice;

std::vector<std::uint8_t> Text(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<std::uint8_t> Cursor(Colour fill, int depth = 1) {
  return EncodeCursorFile(Surface(32, 32, fill), 0xE0E0E0, depth, PaletteMode::Standard, {3, 4}).bytes;
}

TEST(AnimatedCursor, PutsAnihFirstAndPadsOddChunks) {
  const std::vector<std::vector<std::uint8_t>> frames = {Cursor(0), Cursor(0xFFFFFF)};
  auto ani = EncodeAnimatedCursor(frames, 250);
  ASSERT_TRUE(ani);
  const auto& b = *ani;
  ASSERT_EQ(b.size(), 822u);

  std::vector<std::uint8_t> expected = Hex("52 49 46 46 2E 03 00 00 41 43 4F 4E");  // RIFF 814 ACON
  auto add = [&](const std::vector<std::uint8_t>& more) { expected.insert(expected.end(), more.begin(), more.end()); };
  add(Hex("61 6E 69 68 24 00 00 00 | 24 00 00 00 02 00 00 00 02 00 00 00 00 00 00 00 00 00 00 00"
          "00 00 00 00 00 00 00 00 19 00 00 00 01 00 00 00"));  // anih: 2 frames, 2 steps, rate 25, icons
  add(Hex("4C 49 53 54 4E 00 00 00 49 4E 46 4F"));              // LIST 78 INFO: the pad byte counts
  add(Hex("49 4E 41 4D 2A 00 00 00"));
  add(Text({"Created with GlyphSmith 5.0 -            \0", 42}));
  add(Hex("49 41 52 54 0F 00 00 00"));
  add(Text({"GlyphSmith 5.0\0", 15}));
  add(Hex("00 | 4C 49 53 54 A0 02 00 00 66 72 61 6D"));         // pad, LIST 672 fram
  add(Hex("69 63 6F 6E 46 01 00 00"));                          // icon 326
  EXPECT_EQ(Slice(b, 0, expected.size()), expected);
  EXPECT_EQ(Slice(b, 162, 326), frames[0]);
  EXPECT_EQ(Slice(b, 488, 8), Hex("69 63 6F 6E 46 01 00 00"));
  EXPECT_EQ(Slice(b, 496, 326), frames[1]);
}

TEST(AnimatedCursor, PadsOddFramesInsideTheirList) {
  const std::vector<std::vector<std::uint8_t>> frames = {{1, 2, 3}, {4, 5}, {6, 7, 8}};
  auto ani = EncodeAnimatedCursor(frames, 15);
  ASSERT_TRUE(ani);
  const auto& b = *ani;
  // fram list: "fram" + (8 + 3 + 1) + (8 + 2) + (8 + 3 + 1) = 38.
  EXPECT_EQ(testing::U32At(b, 146), 38u);
  EXPECT_EQ(Slice(b, 154, 34), Hex("69 63 6F 6E 03 00 00 00 01 02 03 00 | 69 63 6F 6E 02 00 00 00 04 05 |"
                                   "69 63 6F 6E 03 00 00 00 06 07 08 00"));
  EXPECT_EQ(b.size(), 154u + 34u);
  EXPECT_EQ(testing::U32At(b, 4), b.size() - 8);
  EXPECT_EQ(testing::U32At(b, 20 + 28), 1u);  // 15 ms: rate 1
}

TEST(AnimatedCursor, NeedsFrames) {
  EXPECT_EQ(EncodeAnimatedCursor({}, 100).Reason(), "an animated cursor needs at least one frame");
}

TEST(AnimatedCursor, RateIsTheIntervalInTensOfMillisecondsAtLeastOne) {
  for (auto [ms, rate] : {std::pair{0, 1}, {9, 1}, {15, 1}, {19, 1}, {20, 2}, {250, 25}, {1005, 100}})
    EXPECT_EQ(DisplayRateForInterval(ms), static_cast<std::uint32_t>(rate)) << ms;
}

TEST(AnimatedCursor, IntervalTextBelowOneIsInvalid) {
  for (const char* bad : {"0", "", "abc", "0.4", "-5", " x15"}) EXPECT_EQ(ParseFrameInterval(bad).Reason(), "Invalid interval") << bad;
  for (auto [text, ms] : {std::pair{"15", 15}, {" 250ms", 250}, {"2.5", 2}, {"3.5", 4}, {"1e2", 100}, {"0.6", 1}}) {
    auto v = ParseFrameInterval(text);
    ASSERT_TRUE(v) << text;
    EXPECT_EQ(*v, ms) << text;
  }
}

TEST(CursorHotspot, AcceptsZeroTo31RoundedHalvesToEven) {
  EXPECT_EQ(*ParseHotspot("31", "0"), (Point{31, 0}));
  EXPECT_EQ(*ParseHotspot("2.5", "3.5"), (Point{2, 4}));
  EXPECT_EQ(*ParseHotspot("abc", "7px"), (Point{0, 7}));
  EXPECT_EQ(ParseHotspot("32", "0").Reason(), "X Hotspot must be a value between 0 and 31 !");
  EXPECT_EQ(ParseHotspot("-1", "40").Reason(), "X Hotspot must be a value between 0 and 31 !");
  EXPECT_EQ(ParseHotspot("0", "-1").Reason(), "Y Hotspot must be a value between 0 and 31 !");
  EXPECT_EQ(ParseHotspot("0", "31.5").Reason(), "Y Hotspot must be a value between 0 and 31 !");
  EXPECT_EQ(*ParseHotspot("-0.5", "31.4"), (Point{0, 31}));
}

// The desktop's image loader must accept what we write. It runs in a child
// process: the loader may abort on a file it dislikes.
TEST(AnimatedCursor, LoadsInTheDesktopImageLoader) {
  const char* thumbnailer = "/usr/bin/gdk-pixbuf-thumbnailer";
  if (::access(thumbnailer, X_OK) != 0) GTEST_SKIP() << "gdk-pixbuf-thumbnailer is not installed";
  const auto dir = std::filesystem::temp_directory_path() / ("gs-ani-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto ani = dir / "spin.ani", png = dir / "spin.png";
  for (int depth : {1, 4, 8, 24}) {
    const std::vector<std::vector<std::uint8_t>> frames = {Cursor(Rgb(255, 0, 0), depth), Cursor(Rgb(0, 0, 255), depth),
                                                           Cursor(Rgb(0, 255, 0), depth)};
    const auto bytes = EncodeAnimatedCursor(frames, 100).Value();
    std::ofstream(ani, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::filesystem::remove(png);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::execl(thumbnailer, thumbnailer, "-s", "32", ani.c_str(), png.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "depth " << depth << ", status " << status;
    std::ifstream in(png, std::ios::binary);
    char signature[4] = {};
    in.read(signature, 4);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG") << "depth " << depth;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace gs
