#include <gtest/gtest.h>

#include "formats/AnimatedCursor.h"
#include "formats/FormatFiles.h"
#include "support/IconFileBuilder.h"
#include "support/TempFolder.h"

namespace gs {
namespace {

using namespace testing;
using AnimationFrameFiles = TempFolder;

Bytes Cursor(Colour fill) {
  return EncodeCursorFile(Surface(32, 32, fill), 0xE0E0E0, 4, PaletteMode::Standard, {1, 1}).bytes;
}

// A cursor holding only a PNG image of 32 × 32.
const Bytes kPngCursor =
    IconFile({{.raw = Hex("89504E47 0D0A1A0A 0000000D 49484452 00000020 00000020 08060000 00 0BADC0DE")}}, kCursorType);

// Frames are read as Open reads them, with the caller's PNG decoder (the
// editor's dialog passes its own): a PNG frame that decodes is taken, one that
// does not is refused naming the frame.
TEST_F(AnimationFrameFiles, AreDecodedWithTheCallersPngDecoder) {
  Put("png.cur", kPngCursor);
  const std::vector<std::string> paths = {Path("png.cur")};
  const PngDecoder decodes = [](auto) { return std::optional(RgbaImage{32, 32, std::vector<std::uint32_t>(1024)}); };
  const PngDecoder fails = [](auto) { return std::optional<RgbaImage>{}; };
  EXPECT_TRUE(ReadAnimationFrames(paths, decodes));
  EXPECT_EQ(ReadAnimationFrames(paths, fails).Reason(), Path("png.cur") + ": the PNG image of entry 1 cannot be decoded");
  EXPECT_EQ(ReadAnimationFrames(paths).Reason(), Path("png.cur") + ": entry 1 is a PNG image, which cannot be decoded here");
}

// A file named several times is read once; the frames keep their order.
TEST_F(AnimationFrameFiles, AFileNamedSeveralTimesIsReadOnce) {
  Put("a.cur", Cursor(Rgb(255, 0, 0)));
  Put("b.cur", Cursor(Rgb(0, 0, 255)));
  const std::vector<std::string> paths = {Path("a.cur"), Path("b.cur"), Path("a.cur"), Path("a.cur")};
  const auto frames = ReadAnimationFrames(paths);
  ASSERT_TRUE(frames) << frames.Reason();
  ASSERT_EQ(frames->files.size(), 2u);
  EXPECT_EQ(frames->files[0], Cursor(Rgb(255, 0, 0)));
  EXPECT_EQ(frames->files[1], Cursor(Rgb(0, 0, 255)));
  EXPECT_EQ(frames->order, (std::vector<std::size_t>{0, 1, 0, 0}));
}

// Sizes are checked before anything is read or decoded: one frame over 1 MiB,
// or frames together over what the RIFF sizes hold, are refused even when the
// files are not cursors at all.
TEST_F(AnimationFrameFiles, SizesAreCheckedBeforeAnythingIsRead) {
  Put("junk.cur", "not a cursor");
  std::filesystem::resize_file(Path("junk.cur"), kMaxFrameFileSize + 1);
  EXPECT_EQ(ReadAnimationFrames(std::vector<std::string>{Path("junk.cur")}).Reason(),
            Path("junk.cur") + ": the file is larger than 1 MiB");
  std::filesystem::resize_file(Path("junk.cur"), kMaxFrameFileSize);
  EXPECT_EQ(ReadAnimationFrames(std::vector<std::string>{Path("junk.cur")}).Reason(),
            Path("junk.cur") + ": it is not an icon or cursor file");
  EXPECT_EQ(ReadAnimationFrames(std::vector<std::string>(4100, Path("junk.cur"))).Reason(), std::string(kFramesTooLarge));
}

}  // namespace
}  // namespace gs
