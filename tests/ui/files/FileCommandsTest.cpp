#include <gtest/gtest.h>

#include <QBuffer>
#include <QDataStream>
#include <QFileInfo>
#include <QMenu>

#include "formats/FormatFiles.h"
#include "support/IconFileBuilder.h"
#include "ui/files/FileTestSupport.h"
#include "ui/main/EditView.h"
#include "ui/main/SurfaceView.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;
using SaveOver = Prompter::SaveOverAnswer;

class FileCommandsTest : public FileWindowTest {
 protected:
  // A red square on the default transparent colour, written by the core writer.
  QString SampleIcon(const QString& name) {
    Surface img(32, 32, 0xE0E0E0);
    img.FillRect({4, 4, 20, 20}, Rgb(255, 0, 0));
    EXPECT_TRUE(WriteIconFile(Path(name).toStdString(), img, 0xE0E0E0, 4));
    return Path(name);
  }
  void Open(const QString& path) {
    prompter.openNames.push_back(path);
    Trigger("mnuFile_1");
  }
  QStringList RecentCaptions() {
    QStringList out;
    for (int k = 12; k <= 15; ++k) out << window->Action(QStringLiteral("mnuFile_%1").arg(k))->text();
    return out;
  }
  void ExpectFileMessage(size_t index, const QString& path, Icon icon) {
    ASSERT_GT(prompter.messages.size(), index);
    const auto& m = prompter.messages[index];
    EXPECT_EQ(m.icon, icon);
    EXPECT_EQ(m.title, "GlyphSmith 5.0");
    EXPECT_TRUE(m.text.startsWith(path + ": ")) << m.text.toStdString();
    EXPECT_GT(m.text.size(), path.size() + 2) << "no reason in " << m.text.toStdString();
  }

  // An icon of 16, 32, 48 and 256 pixels at 32 bits, as icon makers write them.
  QString MultiImageIcon(const QString& name) {
    using namespace gs::testing;
    std::vector<EntryLayout> entries;
    for (int side : {16, 32, 48, 256}) {
      EntryLayout e = Entry(side, side, 32);
      e.pixel = [](int x, int y) { return 0xFF000000u | Rgb(x % 256, y % 256, 90); };
      entries.push_back(e);
    }
    const Bytes bytes = IconFile(entries);
    WriteAll(Path(name), QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
    return Path(name);
  }
  // A pencil stroke of one pixel, as the user draws it.
  void Draw() { QTest::mouseClick(window->View(), Qt::LeftButton, {}, QPoint(20, 20)); }
  int DepthShown(QDialog& d) { return Child<QComboBox>(d, "cmbSaveAs")->currentIndex(); }

  // Everything a refused open or a failed save must leave alone.
  auto Take() {
    return std::tuple(Doc().WorkingImage, Doc().IconMask, Doc().CurrentFile, Doc().Modified, window->windowTitle(),
                      RecentCaptions());
  }
};

// A damaged file is refused with its name and the reason and leaves the whole
// window alone (the readers pin each kind of damage).
TEST_F(FileCommandsTest, OpeningReplacesTheDocumentUnlessTheFileIsDamaged) {
  const QString path = SampleIcon("red.ico");
  Open(path);
  EXPECT_EQ(prompter.lastDialogTitle, "GlyphSmith 5.0 - Open an Icon");
  EXPECT_EQ(prompter.lastFilters, (QStringList{"Icon Files (*.ico *.cur *.ani)", "All files (*)"}));
  EXPECT_EQ(window->windowTitle(), path + " - GlyphSmith 5.0");
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(4, 4), Rgb(255, 0, 0));
  EXPECT_EQ(window->Preview()->image().pixel(4, 4), qRgb(255, 0, 0));
  EXPECT_TRUE(window->Action("mnuFile_12")->isEnabled());

  Doc().WorkingImage.SetPixel(1, 1, Rgb(1, 2, 3));
  Doc().Modified = true;
  WriteAll(Path("bad.ico"), ReadAll(path).left(700));  // the mask cut short
  const auto before = Take();
  prompter.answers.push_back(Answer::No);  // the save prompt before opening
  Open(Path("bad.ico"));
  EXPECT_EQ(Take(), before);
  EXPECT_EQ(prompter.messages.size(), 2u);
  ExpectFileMessage(1, Path("bad.ico"), Icon::Exclamation);
}

// The command-line file opens after the recent list is loaded, once the window
// is on the screen, and is kept by its absolute path; a missing one is reported
// over the window and leaves it untitled.
TEST_F(FileCommandsTest, TheCommandLineFileOpensAtStartUp) {
  window = MakeWindow(Path("gone.ico"));
  EXPECT_TRUE(prompter.messages.empty()) << "no message before the window is shown";
  window->show();
  QCoreApplication::processEvents();
  ExpectFileMessage(0, Path("gone.ico"), Icon::Exclamation);
  EXPECT_TRUE(prompter.messages[0].overVisibleParent);
  EXPECT_EQ(window->windowTitle(), "  GlyphSmith 5.0");
  EXPECT_EQ(RecentCaptions()[0], "1. ");

  const QString earlier = SampleIcon("earlier.ico"), path = SampleIcon("start.ico");
  QSettings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith")).setValue("Recent Files/File1", earlier);
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  window = MakeWindow("start.ico");
  window->show();
  QCoreApplication::processEvents();
  QDir::setCurrent(before);
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(window->windowTitle(), path + " - GlyphSmith 5.0");
  EXPECT_EQ(Doc().WorkingImage.GetPixel(10, 10), Rgb(255, 0, 0));
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + path, "2. " + earlier, "3. ", "4. "}));
}

// PNG-compressed entries are decoded by Qt; their alpha decides what is transparent.
TEST_F(FileCommandsTest, APngEntryOpensWithItsTransparency) {
  QImage picture(32, 32, QImage::Format_ARGB32);
  picture.fill(qRgba(0, 0, 255, 255));
  picture.setPixel(5, 0, qRgba(0, 0, 0, 0));
  QByteArray png, file;
  QBuffer buffer(&png);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  ASSERT_TRUE(picture.save(&buffer, "PNG"));
  QDataStream out(&file, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out << quint16(0) << quint16(1) << quint16(1) << quint8(32) << quint8(32) << quint16(0) << quint16(1) << quint16(32)
      << quint32(png.size()) << quint32(22);
  WriteAll(Path("png.ico"), file + png);

  Open(Path("png.ico"));
  EXPECT_EQ(Doc().WorkingImage.GetPixel(5, 0), Doc().TransparentColor);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(5, 1), Rgb(0, 0, 255));
}

// Saving a document opened from a cursor back to its file keeps it a cursor,
// with the hotspot it had unless the user changes it.
TEST_F(FileCommandsTest, SavingBackToACursorKeepsItACursor) {
  const QString path = Path("arrow.cur");
  ASSERT_TRUE(WriteCursorFile(path.toStdString(), Surface(32, 32, 0xE0E0E0), 0xE0E0E0, 1, PaletteMode::Standard, {5, 6}));
  Open(path);
  Doc().Modified = true;
  prompter.dialogs.push_back(SaveOptions(0));
  Trigger("mnuFile_2");
  const QByteArray saved = ReadAll(path);
  ASSERT_EQ(saved.size(), 326);
  EXPECT_EQ((std::array{U16At(saved, 2), U16At(saved, 10), U16At(saved, 12)}), (std::array{2u, 5u, 6u}));
  EXPECT_FALSE(Doc().Modified);

  // Save As writes an icon, as its filter says.
  SaveThrough("mnuFile_3", Path("arrow.ico"));
  EXPECT_EQ(U16At(ReadAll(Path("arrow.ico")), 2), 1u);
}

// Saving over a file that holds more than the one 32 × 32 image about to be
// written asks, after the options and before anything is written: Cancel
// writes nothing and keeps the changes, Save As... writes elsewhere, Save
// writes. The options start at the depth of the image that was opened.
TEST_F(FileCommandsTest, SavingOverAFileThatHoldsMoreAsksFirst) {
  const QString path = MultiImageIcon("multi.ico");
  const QByteArray original = ReadAll(path);
  Open(path);
  Draw();
  ASSERT_TRUE(Doc().Modified);
  const QString kept = "; saving keeps one 32 × 32 image at ";
  const QString held = "multi.ico holds 4 images up to 256 × 256 at 32 bits";

  prompter.dialogs.push_back(Checked([&](QDialog& d) { EXPECT_EQ(DepthShown(d), 2) << "256 colours, as opened"; }));
  prompter.saveOverAnswers.push_back(SaveOver::Cancel);
  Trigger("mnuFile_2");
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().text, held + kept + "256 colours.");
  EXPECT_EQ(prompter.messages.back().title, "GlyphSmith 5.0");
  EXPECT_EQ(prompter.messages.back().icon, Icon::Exclamation);
  EXPECT_EQ(ReadAll(path), original) << "Cancel writes nothing";
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());

  // Save As... is Save As: another file, the original left whole.
  prompter.dialogs = {SaveOptions(1), SaveOptions()};
  prompter.saveOverAnswers.push_back(SaveOver::SaveAs);
  prompter.saveNames.push_back(Path("copy.ico"));
  Trigger("mnuFile_2");
  EXPECT_EQ(prompter.messages.back().text, held + kept + "16 colours.");
  EXPECT_EQ(ReadAll(path), original);
  EXPECT_EQ(QFileInfo(Path("copy.ico")).size(), 766);
  EXPECT_EQ(Doc().CurrentFile, Path("copy.ico").toStdString());
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(RecentCaptions()[0], "1. " + Path("copy.ico"));

  // Save writes over it; the file then holds what was written, and the next save does not ask.
  Open(path);
  Draw();
  prompter.dialogs = {SaveOptions(), SaveOptions()};
  prompter.saveOverAnswers.push_back(SaveOver::Save);
  Trigger("mnuFile_2");
  EXPECT_EQ(QFileInfo(path).size(), 2238);
  EXPECT_FALSE(Doc().Modified);
  const size_t asked = prompter.messages.size();
  Trigger("mnuFile_2");
  EXPECT_EQ(prompter.messages.size(), asked);

  // A black-and-white icon saves at black and white, whatever was used last.
  ASSERT_TRUE(WriteIconFile(Path("bw.ico").toStdString(), Surface(32, 32, 0), 0xE0E0E0, 1));
  Open(Path("bw.ico"));
  prompter.dialogs.push_back(Checked([&](QDialog& d) { EXPECT_EQ(DepthShown(d), 0); }));
  Trigger("mnuFile_2");
  EXPECT_EQ(QFileInfo(Path("bw.ico")).size(), 326);
}

// The save prompt's Yes goes through the same question, and its Cancel stops
// the command that asked.
TEST_F(FileCommandsTest, TheSavePromptAsksBeforeSavingOverMoreToo) {
  const QString path = MultiImageIcon("multi.ico");
  const QByteArray original = ReadAll(path);
  Open(path);
  Draw();
  const Surface drawn = Doc().WorkingImage;
  prompter.answers.push_back(Answer::Yes);
  prompter.dialogs.push_back(SaveOptions());
  prompter.saveOverAnswers.push_back(SaveOver::Cancel);
  Trigger("mnuFile_0");
  EXPECT_EQ(ReadAll(path), original);
  EXPECT_EQ(Doc().WorkingImage, drawn) << "New did not go on";
  EXPECT_TRUE(Doc().Modified);
}

// Open and New start afresh: Undo is disabled and cannot bring the earlier
// picture back under the new name, and no selection is carried over.
TEST_F(FileCommandsTest, OpenAndNewStartWithNothingToUndoAndNoSelection) {
  const QString a = SampleIcon("a.ico");
  ASSERT_TRUE(WriteIconFile(Path("b.ico").toStdString(), Surface(32, 32, Rgb(0, 0, 255)), 0xE0E0E0, 4));
  QAction* undo = window->Action("mnuEdit_0");
  auto* undoButton = window->findChild<QToolButton*>("tbUndo");
  for (const char* command : {"open", "new"}) {
    Open(a);
    Draw();
    Doc().Selection = {2, 2, 6, 6};
    Doc().SelectionActive = true;
    window->RePaint();
    ASSERT_TRUE(undo->isEnabled());
    prompter.answers.push_back(Answer::No);
    if (command == std::string("open")) Open(Path("b.ico"));
    else Trigger("mnuFile_0");
    const Surface picture = Doc().WorkingImage;
    EXPECT_FALSE(undo->isEnabled()) << command;
    EXPECT_FALSE(undoButton->isEnabled()) << command;
    undo->trigger();
    EXPECT_EQ(Doc().WorkingImage, picture) << command;
    EXPECT_FALSE(Doc().SelectionActive) << command;
    EXPECT_EQ(window->View()->Rendered(), Surface(273, 281, picture.GetPixel(0, 0))) << command << ": no marquee";
  }
}

// An image operation marks the document changed, so closing asks to save.
TEST_F(FileCommandsTest, ClosingAfterAFlipAsksToSave) {
  Open(SampleIcon("a.ico"));
  window->show();
  Trigger("mnuFlip_0");
  prompter.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(window->close());
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().text, "Do you want to save changes ?");
  EXPECT_TRUE(window->isVisible());
}

// A cursor made from a cursor starts from that cursor's hotspot and depth.
TEST_F(FileCommandsTest, ACursorExportStartsAtTheCursorsHotspotAndDepth) {
  ASSERT_TRUE(WriteCursorFile(Path("arrow.cur").toStdString(), Surface(32, 32, 0), 0xE0E0E0, 8, PaletteMode::Standard,
                              {5, 6}));
  Open(Path("arrow.cur"));
  SaveThrough("mnuExport_0", Path("copy.cur"), Checked([&](QDialog& d) {
                EXPECT_EQ(Child<QLineEdit>(d, "txtHotX")->text() + "," + Child<QLineEdit>(d, "txtHotY")->text(), "5,6");
                EXPECT_EQ(DepthShown(d), 2);
              }));
  const QByteArray copy = ReadAll(Path("copy.cur"));
  ASSERT_EQ(copy.size(), 2238);
  EXPECT_EQ((std::array{U16At(copy, 10), U16At(copy, 12)}), (std::array{5u, 6u}));
}

// Each command asks for its own file type and writes at the depth picked in
// the options; only Save As takes the file as the document's.
TEST_F(FileCommandsTest, ExportsLeaveTheDocumentAloneAndSaveAsTakesTheFile) {
  PaintSample();
  Doc().Modified = true;
  Doc().CurrentFile = "/somewhere/else.ico";
  const auto before = Take();
  struct Command {
    const char *action, *file, *title, *filter, *caption;
  };
  for (const Command& c : {Command{"mnuExport_1", "a.bmp", "Save Bitmap...", "Bitmap (*.bmp)", "Save Bitmap"},
                           Command{"mnuExport_2", "a.pcx", "Save PCX...", "PCX file (*.pcx)", "Save PCX"},
                           Command{"mnuExport_0", "a.cur", "Save Cursor...", "Cursor (*.cur)", "Save Cursor"},
                           Command{"mnuFile_3", "a.ico", "Save Icon ...", "Icon (*.ico)", "Save Icon"}}) {
    if (QString(c.file) == "a.cur") {  // a cursor export arranges the mask, as a save does
      EXPECT_EQ(Take(), before) << "bitmap and PCX exports change nothing";
    }
    SaveThrough(c.action, Path(c.file), Checked([&](QDialog& d) { EXPECT_EQ(d.windowTitle(), c.caption); },
                                                SaveOptions(0, "7", "30")));
    EXPECT_EQ(prompter.lastDialogTitle, c.title);
    EXPECT_EQ(prompter.lastFilters, QStringList{c.filter});
    EXPECT_EQ(prompter.lastDefaultSuffix, QString(c.file).right(3));
  }
  EXPECT_EQ(QFileInfo(Path("a.bmp")).size(), 190);
  const QByteArray pcx = ReadAll(Path("a.pcx")), icon = ReadAll(Path("a.ico"));
  EXPECT_EQ(pcx.left(4), QByteArray("\x0a\x05\x01\x01", 4));  // PCX, run-length, 1 bit
  EXPECT_EQ(pcx.mid(16, 6), QByteArray("\x00\x00\x00\xff\xff\xff", 6)) << "black and white in the header palette";
  // The cursor is the icon with type 2 and the hotspot in its entry.
  QByteArray cursor = ReadAll(Path("a.cur"));
  ASSERT_EQ(cursor.size(), 326);
  EXPECT_EQ((std::array{U16At(cursor, 2), U16At(cursor, 10), U16At(cursor, 12)}), (std::array{2u, 7u, 30u}));
  for (int i : {2, 3, 10, 11, 12, 13}) cursor[i] = icon[i];
  EXPECT_EQ(cursor, icon);
  EXPECT_EQ(Doc().CurrentFile, Path("a.ico").toStdString());
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(window->windowTitle(), Path("a.ico") + " - GlyphSmith 5.0");
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + Path("a.ico"), "2. ", "3. ", "4. "}));
}

// A save that is cancelled or fails writes nothing, shows why it failed and
// leaves the document's file, flag, title and the recent list as they were;
// through the save prompt it also stops the command.
TEST_F(FileCommandsTest, ASaveThatStopsOrFailsChangesNothing) {
  Doc().Modified = true;
  Doc().WorkingImage.SetPixel(0, 0, Rgb(0, 0, 255));
  const auto before = Take();
  SaveThrough("mnuFile_2", Path("n.ico"), CancelSaveOptions());  // no file yet: Save is Save As
  SaveThrough("mnuFile_3", Path("missing/a.ico"));
  ExpectFileMessage(0, Path("missing/a.ico"), Icon::Critical);
  prompter.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  prompter.saveNames = {QString(), Path("c.ico"), Path("missing/c.ico")};
  prompter.dialogs = {CancelSaveOptions(), SaveOptions(1)};
  for (int i = 0; i < 3; ++i) Trigger("mnuFile_0");
  EXPECT_EQ(Take(), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
  EXPECT_EQ(prompter.messages.size(), 5u);
  ExpectFileMessage(4, Path("missing/c.ico"), Icon::Critical);
}

// The save prompt guards New: Yes saves to the current file or asks for one,
// No goes on and leaves the flag set.
TEST_F(FileCommandsTest, NewGoesThroughTheSavePrompt) {
  const QString path = SampleIcon("cur.ico");
  Open(path);
  window->SetTransparentColour(Rgb(0, 255, 0));
  Doc().Modified = true;
  prompter.answers.push_back(Answer::Yes);
  prompter.dialogs.push_back(SaveOptions());
  Trigger("mnuFile_0");
  EXPECT_EQ(prompter.messages[0].text, "Do you want to save changes ?");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
  EXPECT_EQ(QFileInfo(path).size(), 766);
  EXPECT_EQ(Doc().WorkingImage, Surface(32, 32, Rgb(0, 255, 0)));
  EXPECT_EQ(window->Preview()->image().pixel(5, 5), qRgb(0, 255, 0));
  EXPECT_EQ(std::tuple(Doc().CurrentFile, Doc().Modified, window->windowTitle()),
            std::tuple("", false, QString("  GlyphSmith 5.0")));

  Doc().Modified = true;
  Doc().WorkingImage.SetPixel(0, 0, 0);
  prompter.answers.push_back(Answer::No);
  Trigger("mnuFile_0");
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), Rgb(0, 255, 0));
  EXPECT_TRUE(Doc().Modified) << "No leaves the flag set, so the next New asks again";

  Doc().WorkingImage.SetPixel(0, 0, 0);
  prompter.answers.push_back(Answer::Yes);
  SaveThrough("mnuFile_0", Path("prompted.ico"), SaveOptions(1));
  EXPECT_EQ(prompter.lastDialogTitle + prompter.lastFilters.join(""), "Save Icon ...Ico File (*.ico)");
  EXPECT_EQ(QFileInfo(Path("prompted.ico")).size(), 766);
  EXPECT_EQ(RecentCaptions()[0], "1. " + Path("prompted.ico"));
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), Rgb(0, 255, 0)) << "New went on";
}

// A recent entry opens the file and moves to the front; one whose file has
// gone is dropped with a message and the picture is kept.
TEST_F(FileCommandsTest, RecentEntriesOpenOrAreDroppedWhenTheFileHasGone) {
  QStringList paths;
  for (const char* name : {"1.ico", "2.ico", "3.ico"}) Open(paths.emplace_back(SampleIcon(name)));
  Doc().WorkingImage.SetPixel(0, 0, 0);
  ASSERT_TRUE(QFile::remove(paths[1]));
  window->findChild<QMenu*>("mnuFilePop")->aboutToShow();
  Trigger("mnuFile_13");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "File not found !");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[2], "2. " + paths[0], "3. ", "4. "}));
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0u);

  Trigger("mnuFile_13");
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[0], "2. " + paths[2], "3. ", "4. "}));
  EXPECT_EQ(window->windowTitle(), paths[0] + " - GlyphSmith 5.0");
}

// The list is kept when the window closes, which the save prompt guards.
TEST_F(FileCommandsTest, RecentFilesPersistAcrossRunsInTheTestSettings) {
  const QString a = SampleIcon("a.ico"), b = SampleIcon("b & c.ico");
  Open(a);
  Open(b);
  window->show();
  Doc().Modified = true;
  prompter.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  Trigger("mnuFile_17");
  EXPECT_FALSE(window->isVisible());
  window = MakeWindow();
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + QString(b).replace("&", "&&"), "2. " + a, "3. ", "4. "}));
  QSettings settings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith"));
  EXPECT_EQ(settings.value("Recent Files/File2").toString(), a);
  EXPECT_EQ(settings.value("Recent Files/File3").toString(), "");
  EXPECT_FALSE(settings.fileName().startsWith(QDir::homePath() + "/.config")) << "never the user's own settings";
}

}  // namespace
}  // namespace gs::ui::test
