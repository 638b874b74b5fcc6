#include <gtest/gtest.h>

#include <algorithm>

#include "support/TempFolder.h"
#include "support/ProgramWithIcons.h"
#include "acquire/IconExtract.h"
#include "acquire/IconExtractor.h"
#include "files/DocumentFiles.h"

namespace gs {
namespace {

using namespace testing;

constexpr Colour kTransparent = 0x336699;  // not the usual grey: pictures must take the document's
constexpr Colour kBefore = 0x010203;

// Icon g of ProgramWithIcons as the editor shows it: its masked rows in the transparent colour.
Surface ExpectedPicture(int g) {
  Surface s(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) s.SetPixel(x, y, y < g % 32 ? kTransparent : TableColour((x + g) % 16));
  return s;
}

// An image whose header asks for 5 bits a pixel, which no icon has.
Bytes UndecodableImage() {
  Bytes image = NumberedIconImage(0);
  image[14] = 5;
  return image;
}

// 64 × 64: its left half fully transparent, its right half opaque red.
RgbaImage HalfRedPicture() {
  RgbaImage p{.width = 64, .height = 64, .pixels = {}};
  for (int k = 0; k < 64 * 64; ++k) p.pixels.push_back(k % 64 < 32 ? 0u : WithAlpha(Rgb(255, 0, 0), 255));
  return p;
}
Surface HalfRedIcon() {
  Surface s(32, 32, kTransparent);
  s.FillRect({16, 0, 32, 32}, Rgb(255, 0, 0));
  return s;
}

// A document with something to lose: an edited picture under a file's name,
// a snapshot to undo into and a selection.
class Extracting : public TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    doc_.TransparentColor = kTransparent;
    doc_.CurrentFile = "/before.ico";
    doc_.BeginChange();
    doc_.WorkingImage.Fill(kBefore);
    doc_.Selection = {1, 1, 5, 5};
    doc_.SelectionActive = true;
    Put("p.exe", ProgramWithIcons(4));
  }
  void ExpectUntouched() const {
    EXPECT_EQ(doc_.WorkingImage, Surface(32, 32, kBefore));
    EXPECT_EQ(doc_.CurrentFile, "/before.ico");
    EXPECT_TRUE(doc_.Modified);
    EXPECT_TRUE(doc_.UndoAvailable());
    EXPECT_TRUE(doc_.SelectionActive);
  }
  // A new picture that is not modified, under the file name it had.
  void ExpectTaken(const Surface& picture) const {
    EXPECT_EQ(doc_.WorkingImage, picture);
    EXPECT_EQ(doc_.CurrentFile, "/before.ico");
    EXPECT_FALSE(doc_.Modified);
    EXPECT_FALSE(doc_.UndoAvailable());
    EXPECT_FALSE(doc_.SelectionActive);
  }
  Document doc_;
};

// When there is nothing to take, the picture stays and the reason says why:
// an icon that does not decode is named when it is a program's.
TEST_F(Extracting, LeavesThePictureWhenThereIsNothingToTake) {
  Put("broken.exe", BuildPe({.types = {{kResourceTypeIcon, {{Id(1), UndecodableImage()}}},
                                       {kResourceTypeGroupIcon, {{Named("BAD"), GroupData({EntryFor(UndecodableImage(), 1)})}}}}})
                        .file);
  Put("broken.ico", IconFile({{.raw = UndecodableImage()}}));
  const std::tuple<std::string, int, std::string> cases[] = {
      {"", 0, "no file is chosen"},
      {Path("gone.exe"), 0, "No such file or directory"},
      {Path("p.exe"), 4, "it holds 4 icons; there is no icon 5"},
      {Path("broken.exe"), 0, "icon BAD: entry 1 has an unsupported bit depth of 5"},
      {Path("broken.ico"), 0, "entry 1 has an unsupported bit depth of 5"},
  };
  for (const auto& [path, index, why] : cases) {
    EXPECT_EQ(ExtractIconToImage(doc_, path, index).Reason(), why) << path;
    ExpectUntouched();
  }
}

// ---------------------------------------------------------------- the extractor window's state

// An icon file's cell is the picture File > Open makes of it: the best of
// several images, or one of another size fitted. (A cursor or PNG picture is
// rebuilt as an icon first: IconSource's tests pin those bytes down.)
TEST_F(Extracting, CellsShowWhatOpenShows) {
  const std::pair<const char*, Bytes> files[] = {
      {"BestOfSeveral", IconFile({Entry(16, 16, 4), {.bitCount = 8, .pixel = [](int x, int y) { return (x * y) % 256u; }},
                                  {.pixel = [](int x, int y) { return Rgb(x * 8, y * 8, 1); }, .masked = [](int x, int) { return x == 3; }}})},
      {"ScaledDown", IconFile({{.width = 48, .height = 48, .pixel = [](int x, int y) { return Rgb(x * 5, y * 5, 7); }}})},
  };
  for (const auto& [name, file] : files) {
    Put("in.ico", file);
    Document opened;
    opened.TransparentColor = kTransparent;
    ASSERT_TRUE(OpenIconIntoDocument(opened, Path("in.ico"))) << name;
    IconExtractor extractor(kTransparent);
    extractor.ShowFile(Path("in.ico"));
    ASSERT_TRUE(extractor.CellPicture(0)) << name << ": " << extractor.CellPicture(0).Reason();
    EXPECT_EQ(*extractor.CellPicture(0), opened.WorkingImage) << name;
  }
}

// A file without icons of its own: the grid says so until the desktop's icon
// for its type comes, of any size with alpha, fitted as an icon image of
// another size is; Extract takes that icon while the file is there.
TEST_F(Extracting, AFileWithoutIconsShowsTheDesktopsIcon) {
  Put("notes.txt", "hello");
  IconExtractor extractor(kTransparent);
  extractor.ShowFile(Path("notes.txt"));
  EXPECT_TRUE(extractor.WantsAssociatedIcon());
  EXPECT_EQ(extractor.MessageLines(), (std::vector<std::string>{" No icons", " available"}));
  EXPECT_EQ(extractor.Problem(), Path("notes.txt") + ": it is not a program, library or icon file");
  EXPECT_EQ(extractor.Extract(doc_).Reason(), Path("notes.txt") + ": it is not a program, library or icon file");
  ExpectUntouched();

  // The desktop has none, or a picture short of its pixels.
  for (const RgbaImage& none : {RgbaImage{}, RgbaImage{.width = 2, .height = 2, .pixels = {0}}}) {
    extractor.ShowAssociatedIcon(none);
    EXPECT_EQ(extractor.Grid().Count(), 0);
    EXPECT_EQ(extractor.MessageLines().size(), 2u);
  }

  extractor.ShowAssociatedIcon(HalfRedPicture());
  EXPECT_EQ(extractor.Grid().Count(), 1);
  EXPECT_TRUE(extractor.MessageLines().empty());
  EXPECT_EQ(extractor.Problem(), "");
  ASSERT_TRUE(extractor.CellPicture(0));
  EXPECT_EQ(*extractor.CellPicture(0), HalfRedIcon());

  std::filesystem::remove(Path("notes.txt"));
  EXPECT_EQ(extractor.Extract(doc_).Reason(), Path("notes.txt") + ": No such file or directory");
  ExpectUntouched();
  Put("notes.txt", "back");
  ASSERT_TRUE(extractor.Extract(doc_));
  ExpectTaken(HalfRedIcon());
}

// Extract reads the file again: one that went after its icons were shown is
// not taken. Another file starts from its first icon.
TEST_F(Extracting, ExtractReadsTheFileAgain) {
  IconExtractor extractor(kTransparent);
  EXPECT_EQ(extractor.Extract(doc_).Reason(), "no file is chosen");
  extractor.ShowFile(Path("p.exe"));
  extractor.Mouse(kLeftButton, 40, 5);
  std::filesystem::rename(Path("p.exe"), Path("q.exe"));
  EXPECT_EQ(extractor.Extract(doc_).Reason(), Path("p.exe") + ": No such file or directory");
  ExpectUntouched();

  extractor.ShowFile(Path("q.exe"));
  EXPECT_EQ(extractor.Grid().Selected(), 0);
  ASSERT_TRUE(extractor.Extract(doc_));
  ExpectTaken(ExpectedPicture(0));
}

// The viewport: each visible cell's picture, the chosen one inverted, the
// background elsewhere (and in the cell of an icon that cannot be read).
// Extract then takes the chosen icon, the very pixels its cell shows.
TEST_F(Extracting, DrawsTheViewportAndExtractsTheChosenIcon) {
  Bytes twelve = ProgramWithIcons(12);
  const Bytes seven = NumberedIconImage(7);
  std::search(twelve.begin(), twelve.end(), seven.begin(), seven.end())[14] = 5;  // its bits a pixel, as UndecodableImage()
  Put("twelve.exe", twelve);
  constexpr Colour kBackground = 0xABCDEF;
  IconExtractor extractor(kTransparent);
  extractor.ShowFile(Path("twelve.exe"));
  extractor.Mouse(kLeftButton, 40, 40);  // icon 4
  extractor.Scroll(1);

  Surface expected(96, 96, kBackground);
  for (int row = 1; row <= 3; ++row)
    for (int column = 0; column < 3; ++column) {
      const int icon = 3 * row + column;
      if (icon == 7) continue;
      const Surface picture = ExpectedPicture(icon);
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
          const Colour c = picture.GetPixel(x, y);
          expected.SetPixel(32 * column + x, 32 * (row - 1) + y, icon == 4 ? c ^ 0xFFFFFF : c);
        }
    }
  EXPECT_EQ(extractor.RenderViewport(kBackground), expected);
  EXPECT_FALSE(extractor.CellPicture(7));
  EXPECT_FALSE(extractor.WantsAssociatedIcon());
  EXPECT_TRUE(extractor.MessageLines().empty());
  EXPECT_EQ(extractor.Problem(), "");
  ASSERT_TRUE(extractor.Extract(doc_));
  ExpectTaken(ExpectedPicture(4));
}

}  // namespace
}  // namespace gs
