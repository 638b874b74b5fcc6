#include <gtest/gtest.h>

#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QMenu>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "FileTestSupport.h"
#include "formats/FormatFiles.h"
#include "raster/Depth.h"
#include "ui/FileCommands.h"
#include "ui/SurfaceView.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;

void PutU16(QByteArray& b, int at, unsigned v) {
  b[at] = char(v & 0xFF);
  b[at + 1] = char(v >> 8);
}
void PutU32(QByteArray& b, int at, unsigned v) {
  PutU16(b, at, v & 0xFFFF);
  PutU16(b, at + 2, v >> 16);
}

class FileCommandsTest : public FileWindowTest {
 protected:
  void Trigger(const char* action) { window->Action(QString::fromLatin1(action))->trigger(); }

  // Writes an icon of the sample picture with the core writer.
  QString SampleIcon(const QString& name, int depth = 4) {
    const QString path = Path(name);
    Surface img(32, 32, 0xE0E0E0);
    img.FillRect({4, 4, 20, 20}, Rgb(255, 0, 0));
    EXPECT_TRUE(WriteIconFile(path.toStdString(), img, 0xE0E0E0, depth));
    return path;
  }

  QStringList RecentCaptions() {
    QStringList out;
    for (int k = 12; k <= 15; ++k) out << window->Action(QStringLiteral("mnuFile_%1").arg(k))->text();
    return out;
  }

  std::vector<std::string> Recent() {
    const auto& all = window->findChild<FileCommands*>()->Recent().All();
    return {all.begin(), all.end()};
  }

  void OpenThroughMenu(const QString& path) {
    prompter.openNames.push_back(path);
    Trigger("mnuFile_1");
  }

  // Everything a refused open or a failed save must leave alone.
  struct Snapshot {
    Surface image;
    std::array<std::uint8_t, 128> mask;
    std::string currentFile;
    bool modified;
    QString title;
    std::vector<std::string> recent;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() {
    return {Doc().WorkingImage, Doc().IconMask, Doc().CurrentFile, Doc().Modified, window->windowTitle(), Recent()};
  }
};

TEST_F(FileCommandsTest, FileActionsAreLiveAndOtherAreasStayDisabled) {
  for (const char* name : {"mnuFile_0", "mnuFile_1", "mnuFile_2", "mnuFile_3", "mnuFile_8", "mnuExport_0",
                           "mnuExport_1", "mnuExport_2"})
    EXPECT_TRUE(window->Action(name)->isEnabled()) << name;
  for (const char* name : {"mnuFile_5", "mnuFile_6", "mnuFile_10"})
    EXPECT_FALSE(window->Action(name)->isEnabled()) << name;
  for (const char* name : {"tbNew", "tbOpen", "tbSave", "tbSavecursor", "tbSavebmp"})
    EXPECT_TRUE(Child<QWidget>(*window, name)->isEnabled()) << name;
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. ", "2. ", "3. ", "4. "}));
  for (int k = 12; k <= 15; ++k) {
    QAction* a = window->Action(QStringLiteral("mnuFile_%1").arg(k));
    EXPECT_FALSE(a->isEnabled());
    EXPECT_TRUE(a->isVisible());
  }
}

TEST_F(FileCommandsTest, OpeningThroughTheMenuReplacesTheDocument) {
  const QString path = SampleIcon("red.ico");
  Doc().Modified = false;
  OpenThroughMenu(path);
  EXPECT_EQ(prompter.lastDialogTitle, "GlyphSmith 5.0 - Open an Icon");
  EXPECT_EQ(prompter.lastFilters, (QStringList{"Icon Files (*.ico *.cur)", "All files (*)"}));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(window->windowTitle(), path + " - GlyphSmith 5.0");
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(4, 4), Rgb(255, 0, 0));
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0xE0E0E0u);
  EXPECT_EQ(Doc().IconMask[0], 0xFF);  // bottom row: all transparent
  EXPECT_EQ(window->Preview()->image().pixel(4, 4), qRgb(255, 0, 0));
  EXPECT_EQ(RecentCaptions()[0], "1. " + path);
  EXPECT_TRUE(window->Action("mnuFile_12")->isEnabled());
}

// The file named on the command line opens at start-up, after the recent
// list is loaded, and is kept by its absolute path.
TEST_F(FileCommandsTest, TheCommandLineFileOpensAtStartUp) {
  const QString earlier = SampleIcon("earlier.ico"), path = SampleIcon("start.ico");
  QSettings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith")).setValue("Recent Files/File1", earlier);
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  window = MakeWindow("start.ico");
  QDir::setCurrent(before);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(window->windowTitle(), path + " - GlyphSmith 5.0");
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());
  EXPECT_EQ(Doc().WorkingImage.GetPixel(10, 10), Rgb(255, 0, 0));
  EXPECT_EQ(Recent()[0], path.toStdString());
  EXPECT_EQ(Recent()[1], earlier.toStdString());
}

// Entries stored as PNG pictures are decoded by Qt; their alpha channel
// decides what is transparent.
TEST_F(FileCommandsTest, APngEntryOpensWithItsTransparency) {
  QImage picture(32, 32, QImage::Format_ARGB32);
  picture.fill(qRgba(0, 0, 255, 255));
  for (int x = 0; x < 32; ++x) picture.setPixel(x, 0, qRgba(0, 0, 0, 0));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(picture.save(&buffer, "PNG"));
  QByteArray file(22, '\0');
  PutU16(file, 2, 1);
  PutU16(file, 4, 1);
  file[6] = 32;
  file[7] = 32;
  PutU16(file, 10, 1);
  PutU16(file, 12, 32);
  PutU32(file, 14, png.size());
  PutU32(file, 18, 22);
  WriteAll(Path("png.ico"), file + png);

  OpenThroughMenu(Path("png.ico"));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(Doc().WorkingImage.GetPixel(5, 0), Doc().TransparentColor);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(5, 1), Rgb(0, 0, 255));
  EXPECT_EQ(window->windowTitle(), Path("png.ico") + " - GlyphSmith 5.0");
}

TEST_F(FileCommandsTest, AMissingCommandLineFileIsReportedAndNothingChanges) {
  window = MakeWindow(Path("gone.ico"));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.startsWith(Path("gone.ico") + ": "));
  EXPECT_EQ(window->windowTitle(), "  GlyphSmith 5.0");
  EXPECT_EQ(Recent()[0], "");
}

// Saving a document opened from a cursor back to its file keeps it a cursor,
// with the hotspot it had unless the user changes it.
TEST_F(FileCommandsTest, SavingBackToACursorKeepsItACursor) {
  const QString path = Path("arrow.cur");
  Surface img(32, 32, 0xE0E0E0);
  img.FillRect({2, 2, 9, 9}, Rgb(0, 0, 0));
  ASSERT_TRUE(WriteCursorFile(path.toStdString(), img, 0xE0E0E0, 1, PaletteMode::Standard, {5, 6}));
  OpenThroughMenu(path);
  Doc().WorkingImage.SetPixel(20, 20, Rgb(255, 255, 255));
  Doc().Modified = true;
  prompter.dialogs.push_back([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Save Cursor");
    EXPECT_EQ(Child<QLineEdit>(d, "txtHotX")->text(), "5");
    EXPECT_EQ(Child<QLineEdit>(d, "txtHotY")->text(), "6");
    return SaveOptions(0)(d);
  });
  Trigger("mnuFile_2");
  const QByteArray saved = ReadAll(path);
  ASSERT_EQ(saved.size(), 326);
  EXPECT_EQ(U16At(saved, 2), 2u);
  EXPECT_EQ(U16At(saved, 10), 5u);
  EXPECT_EQ(U16At(saved, 12), 6u);
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());

  // Save As writes an icon, as its filter says.
  prompter.saveNames.push_back(Path("arrow.ico"));
  prompter.dialogs.push_back([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Save Icon");
    return SaveOptions()(d);
  });
  Trigger("mnuFile_3");
  EXPECT_EQ(U16At(ReadAll(Path("arrow.ico")), 2), 1u);
}

// Each way a file can be damaged is refused with its name and a reason, and
// leaves the document, the title and the recent list exactly as they were.
struct BadFile {
  const char* name;
  std::function<void(QByteArray&)> damage;
};

class BadInputTest : public FileCommandsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadInputTest, IsRefusedAndChangesNothing) {
  const QString good = SampleIcon("good.ico");
  OpenThroughMenu(good);
  Doc().WorkingImage.SetPixel(1, 1, Rgb(1, 2, 3));
  Doc().Modified = true;
  window->RePaint();

  QByteArray bytes = ReadAll(good);
  ASSERT_EQ(bytes.size(), 766);
  GetParam().damage(bytes);
  const QString bad = Path("bad.ico");
  WriteAll(bad, bytes);

  const Snapshot before = Take();
  prompter.answers.push_back(Answer::No);  // the save prompt before opening
  OpenThroughMenu(bad);
  EXPECT_EQ(Take(), before);
  ASSERT_EQ(prompter.messages.size(), 2u);
  const auto& m = prompter.messages[1];
  EXPECT_EQ(m.icon, Icon::Exclamation);
  EXPECT_EQ(m.title, "GlyphSmith 5.0");
  EXPECT_TRUE(m.text.startsWith(bad + ": ")) << m.text.toStdString();
  EXPECT_GT(m.text.size(), bad.size() + 4);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, BadInputTest,
    ::testing::Values(BadFile{"Empty", [](QByteArray& b) { b.clear(); }},
                      BadFile{"ShorterThanItsDirectory", [](QByteArray& b) { b.truncate(15); }},
                      BadFile{"CountOfZero", [](QByteArray& b) { PutU16(b, 4, 0); }},
                      BadFile{"OffsetPastTheEnd", [](QByteArray& b) { PutU32(b, 18, 5000); }},
                      BadFile{"SizePastTheEnd", [](QByteArray& b) { PutU32(b, 14, 5000); }},
                      BadFile{"HeaderSizeNot40", [](QByteArray& b) { PutU32(b, 22, 12); }},
                      BadFile{"UndecodableDepth", [](QByteArray& b) { PutU16(b, 22 + 14, 3); }},
                      BadFile{"PixelsCutShort", [](QByteArray& b) { b.truncate(22 + 40 + 64 + 100); }},
                      BadFile{"MaskCutShort", [](QByteArray& b) { b.truncate(766 - 60); }}),
    [](const auto& info) { return std::string(info.param.name); });

// A 16-colour save opened again gives the 16-colour version of every opaque
// pixel and the transparent colour wherever the picture was transparent.
TEST_F(FileCommandsTest, SavingAndOpeningRoundTripsAtSixteenColours) {
  PaintSample();
  const Surface painted = Doc().WorkingImage;
  prompter.saveNames.push_back(Path("trip.ico"));
  prompter.dialogs.push_back(SaveOptions(1));
  Trigger("mnuFile_3");
  Doc().WorkingImage.Fill(0);
  OpenThroughMenu(Path("trip.ico"));
  const auto& table = StandardColourTable16();
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const Colour c = painted.GetPixel(x, y);
      const Colour expected = c == Doc().TransparentColor ? c : table[NearestStandardIndex(4, c)];
      ASSERT_EQ(Doc().WorkingImage.GetPixel(x, y), expected) << x << "," << y;
    }
}

struct DepthCase {
  int index;
  int iconSize;
  int bitmapSize;
};

class SaveDepthTest : public FileCommandsTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(SaveDepthTest, SaveAsWritesTheIconAndTakesItAsTheCurrentFile) {
  PaintSample();
  Doc().Modified = true;
  const QString path = Path("a.ico");
  prompter.saveNames.push_back(path);
  prompter.dialogs.push_back(SaveOptions(GetParam().index));
  Trigger("mnuFile_3");
  EXPECT_EQ(prompter.lastDialogTitle, "Save Icon ...");
  EXPECT_EQ(prompter.lastFilters, QStringList{"Icon (*.ico)"});
  EXPECT_EQ(prompter.lastDefaultSuffix, "ico");
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(QFileInfo(path).size(), GetParam().iconSize);
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(window->windowTitle(), path + " - GlyphSmith 5.0");
  EXPECT_EQ(Recent()[0], path.toStdString());
  EXPECT_EQ(Doc().IconMask[31 * 4], 0xFC);  // top row: six transparent pixels on the left
}

TEST_P(SaveDepthTest, ExportsWriteTheirFormatAndLeaveTheDocumentAlone) {
  PaintSample();
  Doc().Modified = true;
  Doc().CurrentFile = "/somewhere/else.ico";
  const Snapshot before = Take();
  struct Export {
    const char* action;
    QString path;
    const char* title;
    const char* filter;
    const char* caption;
  };
  const Export exports[] = {{"mnuExport_1", Path("a.bmp"), "Save Bitmap...", "Bitmap (*.bmp)", "Save Bitmap"},
                            {"mnuExport_2", Path("a.pcx"), "Save PCX...", "PCX file (*.pcx)", "Save PCX"}};
  for (const Export& e : exports) {
    prompter.saveNames.push_back(e.path);
    prompter.dialogs.push_back([&](QDialog& d) {
      EXPECT_EQ(d.windowTitle(), e.caption);
      EXPECT_FALSE(Child<QWidget>(d, "Frame2")->isVisibleTo(&d));
      EXPECT_FALSE(Child<QWidget>(d, "cmbOptimize")->isEnabled());
      return SaveOptions(GetParam().index)(d);
    });
    Trigger(e.action);
    EXPECT_EQ(prompter.lastDialogTitle, e.title);
    EXPECT_EQ(prompter.lastFilters, QStringList{e.filter});
    EXPECT_EQ(prompter.lastDefaultSuffix, e.path.right(3));
  }
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(QFileInfo(Path("a.bmp")).size(), GetParam().bitmapSize);
  const QByteArray pcx = ReadAll(Path("a.pcx"));
  ASSERT_GT(pcx.size(), 128);
  EXPECT_EQ(pcx[0], 10);
  EXPECT_EQ(pcx[3], char(std::array{1, 4, 8}[GetParam().index]));
  EXPECT_EQ(Take(), before);
}

INSTANTIATE_TEST_SUITE_P(Depths, SaveDepthTest,
                         ::testing::Values(DepthCase{0, 326, 190}, DepthCase{1, 766, 630}, DepthCase{2, 2238, 2102}));

// The cursor is the icon with idType 2 and the hotspot in the entry.
TEST_F(FileCommandsTest, CursorExportPatchesTheIconWithTheHotspot) {
  PaintSample();
  prompter.saveNames = {Path("a.ico"), Path("a.cur")};
  prompter.dialogs.push_back(SaveOptions(1));
  prompter.dialogs.push_back([](QDialog& d) {
    EXPECT_TRUE(Child<QWidget>(d, "Frame2")->isVisibleTo(&d));
    return SaveOptions(-1, "7", "30")(d);
  });
  Trigger("mnuFile_3");
  Trigger("mnuExport_0");
  EXPECT_EQ(prompter.lastDialogTitle, "Save Cursor...");
  EXPECT_EQ(prompter.lastFilters, QStringList{"Cursor (*.cur)"});
  EXPECT_EQ(prompter.lastDefaultSuffix, "cur");
  const QByteArray icon = ReadAll(Path("a.ico"));
  QByteArray cursor = ReadAll(Path("a.cur"));
  ASSERT_EQ(cursor.size(), 766);
  EXPECT_EQ(U16At(cursor, 2), 2u);
  EXPECT_EQ(U16At(cursor, 10), 7u);
  EXPECT_EQ(U16At(cursor, 12), 30u);
  for (int i : {2, 3, 10, 11, 12, 13}) cursor[i] = icon[i];
  EXPECT_EQ(cursor, icon);
  EXPECT_EQ(Doc().CurrentFile, Path("a.ico").toStdString());
  EXPECT_EQ(Recent()[0], Path("a.ico").toStdString());
  EXPECT_EQ(Recent()[1], "");
}

struct HotspotCase {
  const char* x;
  const char* y;
  const char* message;  // empty: accepted
  int storedX;
  int storedY;
};

class HotspotTest : public FileCommandsTest, public ::testing::WithParamInterface<HotspotCase> {};

TEST_P(HotspotTest, IsCheckedAndRoundedHalvesToEven) {
  const HotspotCase& c = GetParam();
  prompter.saveNames.push_back(Path("h.cur"));
  prompter.dialogs.push_back([&](QDialog& d) {
    int result = SaveOptions(-1, c.x, c.y)(d);
    if (*c.message) {
      EXPECT_EQ(result, 0) << "the dialog stays open after the message";
      QTest::mouseClick(Child<QPushButton>(d, "cmdCancel"), Qt::LeftButton);
      result = d.result();
    }
    return result;
  });
  Trigger("mnuExport_0");
  if (*c.message) {
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, c.message);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[0].title, "GlyphSmith 5.0");
    EXPECT_FALSE(QFileInfo::exists(Path("h.cur")));
  } else {
    EXPECT_TRUE(prompter.messages.empty());
    const QByteArray cursor = ReadAll(Path("h.cur"));
    ASSERT_EQ(cursor.size(), 766);
    EXPECT_EQ(U16At(cursor, 10), unsigned(c.storedX));
    EXPECT_EQ(U16At(cursor, 12), unsigned(c.storedY));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, HotspotTest,
    ::testing::Values(HotspotCase{"31", "0", "", 31, 0}, HotspotCase{"2.5", "3.5", "", 2, 4},
                      HotspotCase{"abc", "", "", 0, 0}, HotspotCase{"12px", " 9", "", 12, 9},
                      HotspotCase{"32", "0", "X Hotspot must be a value between 0 and 31 !", 0, 0},
                      HotspotCase{"-1", "40", "X Hotspot must be a value between 0 and 31 !", 0, 0},
                      HotspotCase{"0", "32", "Y Hotspot must be a value between 0 and 31 !", 0, 0},
                      HotspotCase{"5", "-1", "Y Hotspot must be a value between 0 and 31 !", 0, 0}));

// The adaptive palette is used only when "256 Colors" was the last pick of
// this showing: not on a second save that leaves the list alone, and not
// after "High" was picked.
TEST_F(FileCommandsTest, TheAdaptivePaletteFollowsTheLastPickOfTheShowing) {
  Doc().WorkingImage.Fill(Rgb(10, 20, 30));
  const QString path = Path("p.ico");
  auto firstEntry = [&] { return ReadAll(path).mid(62, 4); };
  const QByteArray adaptive("\x1e\x14\x0a\x00", 4), standard(4, '\0');

  prompter.saveNames.push_back(path);
  prompter.dialogs.push_back(SaveOptions(2));
  Trigger("mnuFile_3");
  ASSERT_EQ(QFileInfo(path).size(), 2238);
  EXPECT_EQ(firstEntry(), adaptive);

  prompter.dialogs.push_back(SaveOptions());  // Save: the list still shows 256 colours
  Trigger("mnuFile_2");
  ASSERT_EQ(QFileInfo(path).size(), 2238);
  EXPECT_EQ(firstEntry(), standard);

  prompter.dialogs.push_back([](QDialog& d) {
    Pick(Child<QComboBox>(d, "cmbSaveAs"), 2);
    Pick(Child<QComboBox>(d, "cmbOptimize"), 0);
    return SaveOptions()(d);
  });
  Trigger("mnuFile_2");
  EXPECT_EQ(firstEntry(), standard);
}

TEST_F(FileCommandsTest, SaveWithoutAFileIsSaveAsAndACancelledOptionsDialogWritesNothing) {
  Doc().Modified = true;
  prompter.saveNames.push_back(Path("n.ico"));
  prompter.dialogs.push_back(CancelSaveOptions());
  Trigger("mnuFile_2");
  EXPECT_EQ(prompter.lastDialogTitle, "Save Icon ...");
  EXPECT_FALSE(QFileInfo::exists(Path("n.ico")));
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ(Doc().CurrentFile, "");
  EXPECT_EQ(Recent()[0], "") << "only a written file joins the recent list";
}

// Writing through a folder the program may not write to, or past the size
// the system allows a file: the reason is shown and the old file and the
// document's state are kept.
enum class WriteBlock { ReadOnlyFolder, FileSizeLimit };

class FailedWriteTest : public FileCommandsTest, public ::testing::WithParamInterface<WriteBlock> {};

TEST_P(FailedWriteTest, KeepsTheOldFileAndTheDocumentState) {
  const QString folder = Path("locked");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString target = folder + "/old.ico";
  WriteAll(target, "old contents");
  PaintSample();
  Doc().Modified = true;
  Doc().CurrentFile = Path("current.ico").toStdString();
  window->setWindowTitle(Path("current.ico") + " - GlyphSmith 5.0");

  rlimit saved{};
  if (GetParam() == WriteBlock::ReadOnlyFolder) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  } else {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  const Snapshot before = Take();
  prompter.saveNames.push_back(target);
  prompter.dialogs.push_back(SaveOptions(1));
  Trigger("mnuFile_3");
  if (GetParam() == WriteBlock::ReadOnlyFolder)
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  else
    setrlimit(RLIMIT_FSIZE, &saved);

  EXPECT_EQ(ReadAll(target), "old contents");
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"old.ico"});
  EXPECT_EQ(Take(), before);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].title, "GlyphSmith 5.0");
  EXPECT_TRUE(prompter.messages[0].text.startsWith(target + ": ")) << prompter.messages[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Blocks, FailedWriteTest,
                         ::testing::Values(WriteBlock::ReadOnlyFolder, WriteBlock::FileSizeLimit),
                         [](const auto& info) {
                           return info.param == WriteBlock::ReadOnlyFolder ? "ReadOnlyFolder" : "FileSizeLimit";
                         });

// The save prompt guards New: what each answer does to the picture, the file
// and the flag.
TEST_F(FileCommandsTest, NewClearsToTheTransparentColourAndKeepsTheFlag) {
  OpenThroughMenu(SampleIcon("n.ico"));
  window->SetTransparentColour(Rgb(0, 255, 0));
  Doc().Modified = true;
  prompter.answers.push_back(Answer::No);
  Trigger("mnuFile_0");
  EXPECT_EQ(Doc().WorkingImage, Surface(32, 32, Rgb(0, 255, 0)));
  EXPECT_EQ(window->Preview()->image().pixel(5, 5), qRgb(0, 255, 0));
  EXPECT_EQ(Doc().CurrentFile, "");
  EXPECT_EQ(window->windowTitle(), "  GlyphSmith 5.0");
  EXPECT_TRUE(Doc().Modified) << "No leaves the flag set, so the next New asks again";
  prompter.answers.push_back(Answer::Cancel);
  Doc().WorkingImage.SetPixel(0, 0, 0);
  Trigger("mnuFile_0");
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0u);
  EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(FileCommandsTest, YesSavesToTheCurrentFileBeforeGoingOn) {
  const QString path = SampleIcon("cur.ico");
  OpenThroughMenu(path);
  Doc().WorkingImage.SetPixel(0, 0, Rgb(0, 0, 255));
  Doc().Modified = true;
  prompter.answers.push_back(Answer::Yes);
  prompter.dialogs.push_back(SaveOptions(0));
  Trigger("mnuFile_0");
  EXPECT_EQ(QFileInfo(path).size(), 326);
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0xE0E0E0u) << "New went on";
  EXPECT_EQ(prompter.messages[0].text, "Do you want to save changes ?");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
}

TEST_F(FileCommandsTest, YesWithoutAFileAsksForOneAndAddsItToTheRecentList) {
  Doc().Modified = true;
  Doc().WorkingImage.SetPixel(0, 0, Rgb(0, 0, 255));
  prompter.answers.push_back(Answer::Yes);
  prompter.saveNames.push_back(Path("prompted.ico"));
  prompter.dialogs.push_back(SaveOptions(1));
  Trigger("mnuFile_0");
  EXPECT_EQ(prompter.lastDialogTitle, "Save Icon ...");
  EXPECT_EQ(prompter.lastFilters, QStringList{"Ico File (*.ico)"});
  EXPECT_EQ(prompter.lastDefaultSuffix, "ico");
  EXPECT_EQ(QFileInfo(Path("prompted.ico")).size(), 766);
  EXPECT_EQ(Recent()[0], Path("prompted.ico").toStdString());
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0xE0E0E0u);
}

// Any step of Yes that does not end in a written file stops the command.
TEST_F(FileCommandsTest, YesThatDoesNotSaveStopsTheCommand) {
  Doc().Modified = true;
  Doc().WorkingImage.SetPixel(0, 0, Rgb(0, 0, 255));
  prompter.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  prompter.saveNames = {QString(), Path("c.ico"), Path("missing/folder/c.ico")};
  prompter.dialogs.push_back(CancelSaveOptions());
  prompter.dialogs.push_back(SaveOptions(1));
  for (int i = 0; i < 3; ++i) Trigger("mnuFile_0");
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), Rgb(0, 0, 255));
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ(Recent()[0], "");
  ASSERT_EQ(prompter.messages.size(), 4u);
  EXPECT_TRUE(prompter.messages[3].text.startsWith(Path("missing/folder/c.ico") + ": "));
}

TEST_F(FileCommandsTest, ClosingAsksAndCancelKeepsTheWindowOpen) {
  window->show();
  Doc().Modified = true;
  prompter.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  prompter.answers.push_back(Answer::No);
  Trigger("mnuFile_17");
  EXPECT_FALSE(window->isVisible());
}

TEST_F(FileCommandsTest, RecentFilesMoveToTheFrontAndPushTheOldestOut) {
  QStringList paths;
  for (const char* name : {"1.ico", "2.ico", "3.ico", "4.ico", "5.ico"}) paths << SampleIcon(name);
  for (int i = 0; i < 4; ++i) OpenThroughMenu(paths[i]);
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[3], "2. " + paths[2], "3. " + paths[1], "4. " + paths[0]}));
  window->Action("mnuFile_14")->trigger();  // entry 3 moves to the front
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[1], "2. " + paths[3], "3. " + paths[2], "4. " + paths[0]}));
  EXPECT_EQ(window->windowTitle(), paths[1] + " - GlyphSmith 5.0");
  OpenThroughMenu(paths[4]);
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[4], "2. " + paths[1], "3. " + paths[3], "4. " + paths[2]}));
  // Names differing only in case are different files here.
  const QString upper = SampleIcon("5.ICO");
  OpenThroughMenu(upper);
  EXPECT_EQ(Recent()[0], upper.toStdString());
  EXPECT_EQ(Recent()[1], paths[4].toStdString());
}

TEST_F(FileCommandsTest, AVanishedRecentFileIsRemovedWithAMessage) {
  QStringList paths;
  for (const char* name : {"1.ico", "2.ico", "3.ico"}) OpenThroughMenu(paths.emplace_back(SampleIcon(name)));
  Doc().WorkingImage.SetPixel(0, 0, 0);
  ASSERT_TRUE(QFile::remove(paths[1]));
  window->findChild<QMenu*>("mnuFilePop")->aboutToShow();
  window->Action("mnuFile_13")->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "File not found !");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[2], "2. " + paths[0], "3. ", "4. "}));
  EXPECT_FALSE(window->Action("mnuFile_14")->isEnabled());
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0u);
}

TEST_F(FileCommandsTest, RecentFilesPersistAcrossRuns) {
  const QString a = SampleIcon("a.ico"), b = SampleIcon("b & c.ico");
  OpenThroughMenu(a);
  OpenThroughMenu(b);
  window->show();
  EXPECT_TRUE(window->close());
  window = MakeWindow();
  EXPECT_EQ(Recent()[0], b.toStdString());
  EXPECT_EQ(Recent()[1], a.toStdString());
  EXPECT_EQ(window->Action("mnuFile_12")->text(), "1. " + QString(b).replace("&", "&&"));
  EXPECT_TRUE(window->Action("mnuFile_13")->isEnabled());
  QSettings settings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith"));
  EXPECT_EQ(settings.value("Recent Files/File2").toString(), a);
  EXPECT_EQ(settings.value("Recent Files/File3").toString(), "");
}

TEST_F(FileCommandsTest, SettingsStayOutOfTheUsersOwnFolder) {
  QSettings settings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith"));
  EXPECT_FALSE(settings.fileName().startsWith(QDir::homePath() + "/.config")) << settings.fileName().toStdString();
}

}  // namespace
}  // namespace gs::ui::test
