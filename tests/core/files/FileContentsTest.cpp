#include <gtest/gtest.h>

#include <filesystem>

#include "files/DocumentFiles.h"
#include "files/FileContents.h"
#include "support/IconFileBuilder.h"
#include "support/TempFolder.h"

namespace gs {
namespace {

using namespace testing;

class FileContentsOnDisk : public TempFolder {};

IconFileContents Held(int count, int width, int height, int deepest, int opened = 0) {
  return {count, width, height, deepest, opened};
}

// Opening remembers what the file held, every image counting, decodable or not, with sizes and
// depths from the images' own headers; the picture taken is the 32 × 32 one.
TEST_F(FileContentsOnDisk, OpeningAFileDescribesItsContents) {
  // The last image cannot be decoded (16 bits).
  Put("many.ico", IconFile({Entry(16, 16, 8), Entry(32, 32, 8), Entry(256, 256, 24), Entry(64, 8, 16)}));
  Document doc;
  const auto opened = OpenIconIntoDocument(doc, Path("many.ico"));
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->icon.entryIndex, 1);
  EXPECT_EQ(opened->contents, Held(4, 256, 256, 24, 8));
}

// The depth the save options start at: the opened image's, rounded up to one the writer has.
TEST(FileContents, SaveStartsAtTheOpenedImagesDepth) {
  const std::pair<int, int> cases[] = {{1, 1}, {2, 4}, {4, 4}, {8, 8}, {24, 8}, {32, 8}};
  for (const auto& [opened, depth] : cases) EXPECT_EQ(SaveDepthFor(Held(1, 32, 32, opened, opened)), depth) << opened;
}

// A save asks only when it keeps less than the file holds: more images, another size,
// or more colours than the depth chosen. The sentence names the file and what stays.
TEST(FileContents, SaveLossWarningNamesWhatIsLost) {
  const struct {
    const char* name;
    IconFileContents held;
    int depth;
    const char* warning;
  } cases[] = {
      {"same", Held(1, 32, 32, 4), 4, ""},
      {"fewer colours held", Held(1, 32, 32, 1), 4, ""},
      {"unknown depth", Held(1, 32, 32, 0), 1, ""},
      {"several sizes", Held(4, 256, 256, 32), 4,
       "app.ico holds 4 images up to 256 × 256 at 32 bits; saving keeps one 32 × 32 image at 16 colours."},
      {"two of one size", Held(2, 32, 32, 8), 8,
       "app.ico holds 2 images up to 32 × 32 at 256 colours; saving keeps one 32 × 32 image at 256 colours."},
      {"scaled down", Held(1, 48, 48, 4), 4,
       "app.ico holds one 48 × 48 image at 16 colours; saving keeps one 32 × 32 image at 16 colours."},
      {"scaled up", Held(1, 16, 16, 1), 4,
       "app.ico holds one 16 × 16 image at 2 colours; saving keeps one 32 × 32 image at 16 colours."},
      {"deeper", Held(1, 32, 32, 24), 8,
       "app.ico holds one 32 × 32 image at 24 bits; saving keeps one 32 × 32 image at 256 colours."},
  };
  for (const auto& c : cases) EXPECT_EQ(SaveLossWarning("app.ico", c.held, c.depth), c.warning) << c.name;
}

// Only the known file is guarded, however its path is spelt.
TEST_F(FileContentsOnDisk, WriteOverWarningGuardsOnlyTheKnownFile) {
  Put("a.ico", "x");
  Put("b.ico", "y");
  std::filesystem::create_directory(Path("sub"));
  const KnownIconFile known{Path("a.ico"), Held(2, 32, 32, 4)};
  const std::string warning = "a.ico holds 2 images up to 32 × 32 at 16 colours; saving keeps one 32 × 32 image at 16 colours.";
  EXPECT_EQ(WriteOverWarning(&known, Path("a.ico"), 4), warning);
  EXPECT_EQ(WriteOverWarning(&known, Path("sub/../a.ico"), 4), warning);
  EXPECT_EQ(WriteOverWarning(&known, Path("b.ico"), 4), "");
  EXPECT_EQ(WriteOverWarning(nullptr, Path("a.ico"), 4), "");
}

}  // namespace
}  // namespace gs
