#include <gtest/gtest.h>

#include "files/DocumentFiles.h"
#include "support/IconFileBuilder.h"
#include "support/TempFolder.h"

namespace gs {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// A document with something to lose.
class DocumentFiles : public TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    doc_.WorkingImage.Fill(Rgb(1, 2, 3));
    doc_.IconMask.fill(0x5A);
    doc_.CurrentFile = "/before.ico";
    doc_.Modified = true;
  }
  void ExpectUntouched() const {
    EXPECT_EQ(doc_.WorkingImage, Surface(32, 32, Rgb(1, 2, 3)));
    EXPECT_EQ(doc_.IconMask[0], 0x5A);
    EXPECT_EQ(doc_.CurrentFile, "/before.ico");
    EXPECT_TRUE(doc_.Modified);
  }
  Document doc_;
};

TEST_F(DocumentFiles, SavingAnIconNamesTheFileACursorDoesNotAndOpeningReplacesTheImage) {
  doc_.WorkingImage.SetPixel(0, 31, doc_.TransparentColor);
  ASSERT_TRUE(SaveDocumentAsCursor(doc_, Path("a.cur"), 4, PaletteMode::Standard, {1, 2}));
  EXPECT_EQ(doc_.IconMask[0], 0x80);
  EXPECT_EQ(doc_.CurrentFile, "/before.ico");
  EXPECT_TRUE(doc_.Modified);
  ASSERT_TRUE(SaveDocumentAsIcon(doc_, Path("a.ico"), 1));
  EXPECT_EQ(doc_.CurrentFile, Path("a.ico"));
  EXPECT_FALSE(doc_.Modified);
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.cur", "a.ico"}));

  Document opened;
  opened.TransparentColor = Rgb(0, 255, 0);  // masked pixels take the document's colour
  opened.Modified = true;
  ASSERT_TRUE(OpenIconIntoDocument(opened, Path("a.ico")));
  EXPECT_EQ(opened.WorkingImage.GetPixel(0, 31), Rgb(0, 255, 0));
  EXPECT_EQ(opened.CurrentFile, Path("a.ico"));
  EXPECT_FALSE(opened.Modified);
}

// Open and New start a new picture: Undo must not bring back the old one under
// the new name, and no selection is carried over.
TEST_F(DocumentFiles, OpenAndNewLeaveNothingToUndoAndNoSelection) {
  ASSERT_TRUE(SaveDocumentAsIcon(doc_, Path("a.ico"), 24));
  for (bool open : {true, false}) {
    doc_.BeginChange();
    doc_.Selection = {2, 2, 5, 5};
    doc_.SelectionActive = true;
    if (open) {
      ASSERT_TRUE(OpenIconIntoDocument(doc_, Path("a.ico")));
    } else {
      NewDocument(doc_);
      EXPECT_EQ(doc_.WorkingImage, Surface(32, 32, doc_.TransparentColor));
      EXPECT_EQ(doc_.CurrentFile, "");
      EXPECT_TRUE(doc_.Modified) << "New leaves the flag to the save prompt";
    }
    EXPECT_FALSE(doc_.UndoAvailable()) << open;
    EXPECT_FALSE(doc_.SelectionActive) << open;
    EXPECT_EQ(doc_.Selection, Rect{}) << open;
  }
}

TEST_F(DocumentFiles, AFailedSaveOrExportChangesNothing) {
  Put("a.ico", "old");
  fs::create_directory(Path("taken.ico"));
  EXPECT_EQ(SaveDocumentAsIcon(doc_, Path("taken.ico"), 4).Reason(), "Is a directory");
  EXPECT_EQ(SaveDocumentAsIcon(doc_, Path("a.ico"), 16).Reason(), "16 bits per pixel cannot be written");
  EXPECT_FALSE(SaveDocumentAsCursor(doc_, Path("none/a.cur"), 4, PaletteMode::Standard, {}));
  ExpectUntouched();
  EXPECT_EQ(Text("a.ico"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.ico", "taken.ico"}));
}

// A good 766-byte icon with the `size`-byte field at `at` set to `value`.
Bytes Set(std::size_t at, std::uint32_t value, int size = 4, Bytes b = EncodeIconFile(Surface(32, 32), 0xE0E0E0, 4).bytes) {
  for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(value >> 8 * i);
  return b;
}

// Each kind of damage is refused with its reason, and the document stays as it was (one case
// of each kind: the icon reader's fuzz target tries every other cut and field). The
// directory is at 0 (count at 4, entry 1's size at 14 and offset at 18), the bitmap header at 22.
TEST_F(DocumentFiles, RefusesBadFilesSayingWhy) {
  const std::pair<Bytes, const char*> cases[] = {
      {{}, "the file is empty"},
      {{0, 0, 1}, "the file is too short to be an icon or cursor"},
      {Set(2, 3, 2), "it is not an icon or cursor file"},
      {Set(4, 0, 2), "the directory lists no images"},
      {Set(18, 767), "entry 1 runs past the end of the file"},
      {Set(14, 0x20, 4, Set(18, 0xFFFFFFF0)), "entry 1 runs past the end of the file"},
      {Set(22, 12), "entry 1 has an image header of 12 bytes, not 40"},
      {Set(30, 0x7FFFFFFF), "entry 1 has an unusable size of 32 × 1073741823"},
      {Set(14, 743), "the mask of entry 1 is cut short"},
      {IconFile({Entry(32, 32, 16), Entry(16, 16, 2)}), "entry 1 has an unsupported bit depth of 16"},  // the first reason
      {IconFile({{.raw = Hex("89504E47 0D0A1A0A 0000000D 49484452 7FFFFFFF 00000020 08060000 00 0BADC0DE")}}),
       "entry 1 has an unusable size of 2147483647 × 32"},  // a PNG image's header
  };
  for (const auto& [bytes, reason] : cases) {
    Put("bad.ico", bytes);
    EXPECT_EQ(OpenIconIntoDocument(doc_, Path("bad.ico")).Reason(), reason);
    ExpectUntouched();
  }
}

}  // namespace
}  // namespace gs
