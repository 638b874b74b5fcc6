#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QTreeView>

#include "FileTestSupport.h"
#include "formats/FormatFiles.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;

class AniDialogTest : public FileWindowTest {
 protected:
  void SetUp() override {
    FileWindowTest::SetUp();
    Surface img(32, 32, 0xE0E0E0);
    img.FillRect({8, 8, 24, 24}, Rgb(255, 255, 255));
    for (const char* name : {"a.cur", "b.cur", "C.CUR", "note.ico"})
      ASSERT_TRUE(WriteCursorFile(Path(name).toStdString(), img, 0xE0E0E0, 1, PaletteMode::Standard, {0, 0}));
    WriteAll(Path("bad.cur"), "not a cursor");
  }

  // Runs the dialog from the File menu; `script` works it like a user.
  void RunDialog(std::function<void(QDialog&)> script) {
    prompter.dialogs.push_back([script](QDialog& d) {
      d.show();
      script(d);
      return d.result();
    });
    window->Action("mnuFile_8")->trigger();
  }

  void ChooseFolder(QDialog& d, const QString& folder) {
    auto* tree = Child<QTreeView>(d, "drDir");
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    ASSERT_NE(model, nullptr);
    tree->setCurrentIndex(model->index(folder));
  }

  static QStringList Items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
  }

  static void Click(QDialog& d, const char* button) { QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton); }
};

TEST_F(AniDialogTest, BrowsingListsCursorsAndPreviewsTheClickedOne) {
  RunDialog([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "  Animated Cursor Settings");
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text() + Child<QLineEdit>(d, "txtInterval")->text() +
                  Child<QLabel>(d, "Label2")->text(),
              "Set Ani Cursor Frame Interval15millisecs");

    ChooseFolder(d, dir.path());
    auto* files = Child<QListWidget>(d, "fleFile");
    EXPECT_EQ(Items(files), (QStringList{"a.cur", "b.cur", "bad.cur", "C.CUR"}));

    auto* preview = Child<QLabel>(d, "picPrev");
    files->setCurrentRow(0);
    const QImage shown = preview->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << "masked pixels are see-through";
    EXPECT_EQ(shown.pixel(10, 10), qRgb(255, 255, 255));
    files->setCurrentRow(2);  // not a cursor: the preview stays
    EXPECT_EQ(preview->pixmap().toImage(), shown);
    Click(d, "cmdCancel");
  });
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(AniDialogTest, FramesAreCollectedInOrderWithDuplicatesAndWritten) {
  const QString target = Path("spin.ani");
  RunDialog([&](QDialog& d) {
    auto* files = Child<QListWidget>(d, "fleFile");
    auto* frames = Child<QListWidget>(d, "lstFiles");
    auto* interval = Child<QLineEdit>(d, "txtInterval");
    ChooseFolder(d, dir.path());

    Click(d, "cmdAdd");  // nothing selected yet
    Click(d, "cmdCreate");  // no frames yet
    files->setCurrentRow(0);
    Click(d, "cmdAdd");
    Click(d, "cmdAdd");
    files->setCurrentRow(1);
    emit files->itemDoubleClicked(files->item(1));  // a double click adds too
    EXPECT_EQ(Items(frames), (QStringList{Path("a.cur"), Path("a.cur"), Path("b.cur")}));

    Click(d, "cmdDelete");  // no frame selected: nothing happens
    EXPECT_EQ(frames->count(), 3);
    frames->setCurrentRow(2);
    Click(d, "cmdDelete");
    EXPECT_EQ(Items(frames), (QStringList{Path("a.cur"), Path("a.cur")}));

    for (const char* bad : {"0", "abc", "0.4"}) {
      interval->setText(bad);
      Click(d, "cmdCreate");
    }
    interval->setText("250");
    prompter.saveNames.push_back(target);
    Click(d, "cmdCreate");
    EXPECT_EQ(d.result(), 0);
    EXPECT_TRUE(d.isVisible()) << "the dialog stays open after writing";
    Click(d, "cmdCancel");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(prompter.lastDialogTitle, "Save Animated Cursor");
  EXPECT_EQ(prompter.lastFilters, QStringList{"Animated cursors (*.ani)"});
  EXPECT_EQ(prompter.lastDefaultSuffix, "ani");

  ASSERT_EQ(prompter.messages.size(), 5u);
  const std::pair<Icon, const char*> expected[] = {{Icon::Exclamation, "You must select a file to add !"},
                                                   {Icon::Exclamation, "Please, select some files !"},
                                                   {Icon::Critical, "Invalid interval"},
                                                   {Icon::Critical, "Invalid interval"},
                                                   {Icon::Critical, "Invalid interval"}};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(prompter.messages[i].icon, expected[i].first) << i;
    EXPECT_EQ(prompter.messages[i].text, expected[i].second);
    EXPECT_EQ(prompter.messages[i].title, "GlyphSmith 5.0");
  }

  const QByteArray ani = ReadAll(target);
  ASSERT_EQ(ani.size(), 822);
  EXPECT_EQ(ani.left(4), "RIFF");
  EXPECT_EQ(ani.mid(8, 4), "ACON");
  EXPECT_EQ(ani.mid(12, 4), "anih");
  EXPECT_EQ(U16At(ani, 24), 2u);  // frames
  EXPECT_EQ(U16At(ani, 48), 25u);  // display rate: 250 ms gives 25
  const QByteArray frame = ReadAll(Path("a.cur"));
  EXPECT_EQ(ani.count(frame), 2);
}

// A frame file that has gone since it was added stops the write with its
// name and reason, and a file already at the target stays as it was.
TEST_F(AniDialogTest, AVanishedFrameIsReportedAndTheTargetKept) {
  const QString target = Path("old.ani");
  WriteAll(target, "previous");
  RunDialog([&](QDialog& d) {
    ChooseFolder(d, dir.path());
    auto* files = Child<QListWidget>(d, "fleFile");
    files->setCurrentRow(0);
    Click(d, "cmdAdd");
    files->setCurrentRow(1);
    Click(d, "cmdAdd");
    ASSERT_TRUE(QFile::remove(Path("b.cur")));
    prompter.saveNames.push_back(target);
    Click(d, "cmdCreate");
    Click(d, "cmdCancel");
  });
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
  EXPECT_TRUE(prompter.messages[0].text.startsWith(Path("b.cur") + ": ")) << prompter.messages[0].text.toStdString();
  EXPECT_EQ(ReadAll(target), "previous");
}

}  // namespace
}  // namespace gs::ui::test
