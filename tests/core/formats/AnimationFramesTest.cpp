#include <gtest/gtest.h>

#include "formats/AnimatedCursor.h"
#include "formats/FormatFiles.h"
#include "support/IconFileBuilder.h"
#include "support/PngBuilder.h"
#include "support/TempFolder.h"

namespace gs {
namespace {

using namespace testing;
using AnimationFrameFiles = TempFolder;

Bytes Cursor(Colour fill) {
  return EncodeCursorFile(Surface(32, 32, fill), 0xE0E0E0, 4, PaletteMode::Standard, {1, 1}).bytes;
}

// Frames are read as Open reads them: a PNG image that decodes is taken (one that does not is refused as
// IconReader.DecodesPngImagesAndPngPictures shows), and a PNG picture is no cursor.
TEST_F(AnimationFrameFiles, AreDecodedAsOpenDecodesThem) {
  const Bytes png = SolidRgbaPng(32, 32, {1, 2, 3, 255});
  Put("png.cur", IconFile({{.raw = png}}, kCursorType));
  Put("picture.cur", png);
  EXPECT_TRUE(ReadAnimationFrames(std::vector<std::string>{Path("png.cur")}));
  EXPECT_EQ(ReadAnimationFrames(std::vector<std::string>{Path("picture.cur")}).Reason(),
            Path("picture.cur") + ": it is a PNG picture, not an icon or cursor file");
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
