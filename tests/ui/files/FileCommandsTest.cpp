#include <gtest/gtest.h>

#include <QFileInfo>
#include <QMenu>

#include "formats/BitmapWriter.h"
#include "formats/FormatFiles.h"
#include "formats/IconWriter.h"
#include "formats/PcxWriter.h"
#include "support/IconFileBuilder.h"
#include "ui/files/FileTestSupport.h"
#include "ui/main/EditView.h"
#include "ui/main/SurfaceView.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;
using Answer = Prompter::Answer;
using SaveOver = Prompter::SaveOverAnswer;

QByteArray Of(const std::vector<std::uint8_t>& b) {
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

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
    EXPECT_TRUE(m.text.startsWith(path + ": ")) << m.text.toStdString();
    EXPECT_GT(m.text.size(), path.size() + 2) << "no reason in " << m.text.toStdString();
  }

  // An icon of 16, 32, 48 and 256 pixels at 32 bits, as icon makers write them.
  QString MultiImageIcon(const QString& name) {
    using namespace gs::testing;
    WriteAll(Path(name), Of(IconFile({Entry(16, 16, 32), Entry(32, 32, 32), Entry(48, 48, 32), Entry(256, 256, 32)})));
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
// window alone (the core pins each kind of damage).
TEST_F(FileCommandsTest, OpeningReplacesTheDocumentUnlessTheFileIsDamaged) {
  const QString path = SampleIcon("red.ico");
  Open(path);
  EXPECT_EQ(window->windowTitle(), path + " - GlyphSmith 5.0");
  EXPECT_EQ(Doc().CurrentFile, path.toStdString());
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(4, 4), Rgb(255, 0, 0));
  EXPECT_EQ(window->Preview()->image().pixel(4, 4), qRgb(255, 0, 0));

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
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + path, "2. " + earlier, "3. ", "4. "}));
}

// A document opened from a cursor stays one: a cursor export and Save both
// start at its hotspot and depth, and Save writes it back as a cursor. Save
// As writes an icon, as its filter says.
TEST_F(FileCommandsTest, ADocumentOpenedFromACursorStaysACursor) {
  const QString path = Path("arrow.cur");
  ASSERT_TRUE(WriteCursorFile(path.toStdString(), Surface(32, 32, 0), 0xE0E0E0, 8, PaletteMode::Standard, {5, 6}));
  const QByteArray original = ReadAll(path);
  const auto asOpened = Checked([&](QDialog& d) {
    EXPECT_EQ(Child<QLineEdit>(d, "txtHotX")->text() + "," + Child<QLineEdit>(d, "txtHotY")->text(), "5,6");
    EXPECT_EQ(DepthShown(d), 2);
  });
  Open(path);
  SaveThrough("mnuExport_0", Path("copy.cur"), asOpened);
  EXPECT_EQ(ReadAll(Path("copy.cur")), original);

  window = MakeWindow();  // a fresh options dialog
  Open(path);
  Draw();
  prompter.dialogs.push_back(asOpened);
  Trigger("mnuFile_2");
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(ReadAll(path), Of(EncodeCursorFile(Doc().WorkingImage, 0xE0E0E0, 8, PaletteMode::Standard, {5, 6}).bytes));
  SaveThrough("mnuFile_3", Path("arrow.ico"));
  EXPECT_EQ(U16At(ReadAll(Path("arrow.ico")), 2), 1u);
}

// Saving over a file that holds more than the one 32 × 32 image about to be
// written asks, after the options and before anything is written: Cancel
// writes nothing and keeps the changes (and stops the command whose save
// prompt asked), Save As... writes elsewhere, Save writes. The options start
// at the depth of the image that was opened.
TEST_F(FileCommandsTest, SavingOverAFileThatHoldsMoreAsksFirst) {
  const QString path = MultiImageIcon("multi.ico");
  const QByteArray original = ReadAll(path);
  Open(path);
  Draw();
  ASSERT_TRUE(Doc().Modified);
  const Surface drawn = Doc().WorkingImage;
  const QString kept = "; saving keeps one 32 × 32 image at ";
  const QString held = "multi.ico holds 4 images up to 256 × 256 at 32 bits";

  prompter.dialogs.push_back(Checked([&](QDialog& d) { EXPECT_EQ(DepthShown(d), 2) << "256 colours, as opened"; }));
  prompter.saveOverAnswers.push_back(SaveOver::Cancel);
  Trigger("mnuFile_2");
  ASSERT_FALSE(prompter.messages.empty());
  EXPECT_EQ(prompter.messages.back().text, held + kept + "256 colours.");
  EXPECT_EQ(ReadAll(path), original) << "Cancel writes nothing";
  EXPECT_TRUE(Doc().Modified);

  prompter.answers.push_back(Answer::Yes);  // the save prompt's Yes asks too
  prompter.dialogs.push_back(SaveOptions());
  prompter.saveOverAnswers.push_back(SaveOver::Cancel);
  Trigger("mnuFile_0");
  EXPECT_EQ(ReadAll(path), original);
  EXPECT_EQ(Doc().WorkingImage, drawn) << "New did not go on";

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
}

// Each command writes its own file type at the depth picked in the options
// and leaves the document alone; only Save As takes the file as the document's.
TEST_F(FileCommandsTest, ExportsLeaveTheDocumentAloneAndSaveAsTakesTheFile) {
  PaintSample();
  Doc().Modified = true;
  Doc().CurrentFile = "/somewhere/else.ico";
  const Surface picture = Doc().WorkingImage;
  const auto before = Take();
  for (const auto& [action, file] : {std::pair{"mnuExport_1", "a.bmp"}, {"mnuExport_2", "a.pcx"},
                                     {"mnuExport_0", "a.cur"}, {"mnuFile_3", "a.ico"}}) {
    if (QString(file) == "a.cur") {  // a cursor export arranges the mask, as a save does
      EXPECT_EQ(Take(), before) << "bitmap and PCX exports change nothing";
    }
    SaveThrough(action, Path(file), SaveOptions(0, "7", "30"));
    EXPECT_EQ(prompter.lastDefaultSuffix, QString(file).right(3));
  }
  const Colour t = Doc().TransparentColor;
  EXPECT_EQ(ReadAll(Path("a.bmp")), Of(EncodeBitmapFile(picture, 1)));
  EXPECT_EQ(ReadAll(Path("a.pcx")), Of(EncodePCXFile(picture, 1)));
  EXPECT_EQ(ReadAll(Path("a.cur")), Of(EncodeCursorFile(picture, t, 1, PaletteMode::Standard, {7, 30}).bytes));
  EXPECT_EQ(ReadAll(Path("a.ico")), Of(EncodeIconFile(picture, t, 1).bytes));
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

// The save prompt guards New: Yes on an untitled picture asks for a file,
// saves and remembers it; New then starts an untitled picture of the
// transparent colour.
TEST_F(FileCommandsTest, NewGoesThroughTheSavePrompt) {
  window->SetTransparentColour(Rgb(0, 255, 0));
  Doc().Modified = true;
  prompter.answers.push_back(Answer::Yes);
  SaveThrough("mnuFile_0", Path("prompted.ico"), SaveOptions(1));
  EXPECT_EQ(prompter.messages[0].text, "Do you want to save changes ?");
  EXPECT_EQ(QFileInfo(Path("prompted.ico")).size(), 766);
  EXPECT_EQ(RecentCaptions()[0], "1. " + Path("prompted.ico"));
  EXPECT_EQ(Doc().WorkingImage, Surface(32, 32, Rgb(0, 255, 0))) << "New went on";
  EXPECT_EQ(window->Preview()->image().pixel(5, 5), qRgb(0, 255, 0));
  EXPECT_EQ(std::tuple(Doc().CurrentFile, Doc().Modified, window->windowTitle()),
            std::tuple("", false, QString("  GlyphSmith 5.0")));
}

// A recent entry opens the file and moves to the front; one whose file has
// gone is dropped with a message and the picture is kept. The list is kept
// when the window closes, which the save prompt guards.
TEST_F(FileCommandsTest, RecentEntriesOpenAreDroppedWhenTheFileHasGoneAndPersist) {
  QStringList paths;
  for (const char* name : {"1.ico", "2.ico", "3 & c.ico"}) Open(paths.emplace_back(SampleIcon(name)));
  Doc().WorkingImage.SetPixel(0, 0, 0);
  ASSERT_TRUE(QFile::remove(paths[1]));
  window->findChild<QMenu*>("mnuFilePop")->aboutToShow();
  Trigger("mnuFile_13");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "File not found !");
  EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
  const QString shown = QString(paths[2]).replace("&", "&&");
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + shown, "2. " + paths[0], "3. ", "4. "}));
  EXPECT_EQ(Doc().WorkingImage.GetPixel(0, 0), 0u);

  Trigger("mnuFile_13");
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[0], "2. " + shown, "3. ", "4. "}));
  EXPECT_EQ(window->windowTitle(), paths[0] + " - GlyphSmith 5.0");

  window->show();
  Doc().Modified = true;
  prompter.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  Trigger("mnuFile_17");
  EXPECT_FALSE(window->isVisible());
  window = MakeWindow();
  EXPECT_EQ(RecentCaptions(), (QStringList{"1. " + paths[0], "2. " + shown, "3. ", "4. "}));
  QSettings settings(QStringLiteral("GlyphSmith"), QStringLiteral("GlyphSmith"));
  EXPECT_FALSE(settings.fileName().startsWith(QDir::homePath() + "/.config")) << "never the user's own settings";
}

}  // namespace
}  // namespace gs::ui::test
