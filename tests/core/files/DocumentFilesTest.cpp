#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "files/DocumentFiles.h"
#include "formats/FileIo.h"

namespace gs {
namespace {

namespace fs = std::filesystem;

class DocumentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("gs-docfiles-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    doc_.WorkingImage.Fill(Rgb(1, 2, 3));
    doc_.IconMask.fill(0x5A);
    doc_.CurrentFile = "/before.ico";
    doc_.Modified = true;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(Path(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  void ExpectUntouched() {
    EXPECT_EQ(doc_.WorkingImage, Surface(32, 32, Rgb(1, 2, 3)));
    EXPECT_EQ(doc_.IconMask[0], 0x5A);
    EXPECT_EQ(doc_.CurrentFile, "/before.ico");
    EXPECT_TRUE(doc_.Modified);
  }

  fs::path dir_;
  Document doc_;
};

TEST_F(DocumentFilesTest, OpeningReplacesTheImageAndNamesTheFile) {
  Surface picture(32, 32, Rgb(0, 0, 255));
  picture.SetPixel(4, 0, 0xE0E0E0);
  Put("a.ico", EncodeIconFile(picture, 0xE0E0E0, 4).bytes);
  doc_.TransparentColor = Rgb(0, 255, 0);  // masked pixels take the document's colour
  auto opened = OpenIconIntoDocument(doc_, Path("a.ico"));
  ASSERT_TRUE(opened) << opened.Reason();
  EXPECT_EQ(doc_.WorkingImage.GetPixel(4, 0), Rgb(0, 255, 0));
  EXPECT_EQ(doc_.WorkingImage.GetPixel(5, 0), Rgb(0, 0, 255));
  EXPECT_EQ(doc_.IconMask[124], 0x08);
  EXPECT_EQ(doc_.CurrentFile, Path("a.ico"));
  EXPECT_FALSE(doc_.Modified);
}

TEST_F(DocumentFilesTest, ABadFileLeavesTheDocumentAsItWas) {
  const auto good = EncodeIconFile(Surface(32, 32), 0xE0E0E0, 8).bytes;
  const std::vector<std::vector<std::uint8_t>> bad = {
      {}, {0, 0, 1, 0}, {0, 0, 1, 0, 0, 0}, std::vector<std::uint8_t>(good.begin(), good.begin() + 500)};
  for (const auto& bytes : bad) {
    Put("bad.ico", bytes);
    EXPECT_FALSE(OpenIconIntoDocument(doc_, Path("bad.ico")));
    ExpectUntouched();
  }
  auto missing = OpenIconIntoDocument(doc_, Path("missing.ico"));
  EXPECT_EQ(missing.Reason(), "No such file or directory");
  ExpectUntouched();
}

TEST_F(DocumentFilesTest, SavingAnIconNamesTheFileAndACursorDoesNot) {
  doc_.WorkingImage.SetPixel(0, 31, doc_.TransparentColor);
  ASSERT_TRUE(SaveDocumentAsCursor(doc_, Path("a.cur"), 4, PaletteMode::Standard, {1, 2}));
  EXPECT_EQ(doc_.IconMask[0], 0x80);
  EXPECT_EQ(doc_.CurrentFile, "/before.ico");
  EXPECT_TRUE(doc_.Modified);
  ASSERT_TRUE(SaveDocumentAsIcon(doc_, Path("a.ico"), 1));
  EXPECT_EQ(doc_.CurrentFile, Path("a.ico"));
  EXPECT_FALSE(doc_.Modified);
  EXPECT_EQ(fs::file_size(Path("a.ico")), 326u);
  EXPECT_EQ(fs::file_size(Path("a.cur")), 766u);
}

TEST_F(DocumentFilesTest, AFailedSaveChangesNothing) {
  Put("a.ico", {1, 2, 3});
  fs::create_directory(Path("taken.ico"));
  EXPECT_EQ(SaveDocumentAsIcon(doc_, Path("taken.ico"), 4).Reason(), "Is a directory");
  EXPECT_EQ(SaveDocumentAsIcon(doc_, Path("a.ico"), 16).Reason(), "16 bits per pixel cannot be written");
  EXPECT_FALSE(SaveDocumentAsCursor(doc_, Path("none/a.cur"), 4, PaletteMode::Standard, {}));
  EXPECT_FALSE(ExportDocumentAsBitmap(doc_, Path("none/a.bmp"), 4));
  EXPECT_FALSE(ExportDocumentAsPcx(doc_, Path("none/a.pcx"), 4));
  ExpectUntouched();
  EXPECT_EQ(fs::file_size(Path("a.ico")), 3u);
}

}  // namespace
}  // namespace gs
