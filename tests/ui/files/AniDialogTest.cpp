#include <gtest/gtest.h>

#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QTreeView>

#include "formats/FormatFiles.h"
#include "ui/files/FileTestSupport.h"

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

  // Runs the dialog from the File menu, in the test folder; `script` works it like a user.
  void RunDialog(std::function<void(QDialog&)> script) {
    prompter.dialogs.push_back([this, script](QDialog& d) {
      d.show();
      auto* tree = Child<QTreeView>(d, "drDir");
      tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(dir.path()));
      script(d);
      return d.result();
    });
    Trigger("mnuFile_8");
  }

  static QStringList Items(QDialog& d, const char* list) {
    QStringList out;
    auto* widget = Child<QListWidget>(d, list);
    for (int i = 0; i < widget->count(); ++i) out << widget->item(i)->text();
    return out;
  }
  static void Click(QDialog& d, const char* button) { QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton); }
  static void Select(QDialog& d, int row) { Child<QListWidget>(d, "fleFile")->setCurrentRow(row); }
};

// The folder's cursors are listed whatever the case of ".cur"; a mouse click
// previews the file at once (the press makes it current before it selects
// it), and a file that is not a cursor leaves the preview as it was.
TEST_F(AniDialogTest, BrowsingListsCursorsAndPreviewsTheClickedOne) {
  RunDialog([&](QDialog& d) {
    EXPECT_EQ(Items(d, "fleFile"), (QStringList{"a.cur", "b.cur", "bad.cur", "C.CUR"}));
    auto* files = Child<QListWidget>(d, "fleFile");
    auto* preview = Child<QLabel>(d, "picPrev");
    ASSERT_TRUE(preview->pixmap().isNull());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
    const QImage shown = preview->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0) << "masked pixels are see-through";
    EXPECT_EQ(shown.pixel(10, 10), qRgb(255, 255, 255));
    Select(d, 2);
    EXPECT_EQ(preview->pixmap().toImage(), shown);
    Click(d, "cmdCancel");
  });
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(AniDialogTest, FramesAreCollectedInOrderWithDuplicatesAndWrittenFromFiles) {
  RunDialog([&](QDialog& d) {
    Click(d, "cmdCreate");  // no frames yet
    Select(d, 0);
    Click(d, "cmdAdd");
    Click(d, "cmdAdd");
    Select(d, 1);
    auto* files = Child<QListWidget>(d, "fleFile");
    emit files->itemDoubleClicked(files->item(1));  // a double click adds too
    EXPECT_EQ(Items(d, "lstFiles"), (QStringList{Path("a.cur"), Path("a.cur"), Path("b.cur")}));
    Child<QListWidget>(d, "lstFiles")->setCurrentRow(2);
    Click(d, "cmdDelete");
    EXPECT_EQ(Items(d, "lstFiles"), (QStringList{Path("a.cur"), Path("a.cur")}));
    Child<QLineEdit>(d, "txtInterval")->setText("0.4");
    Click(d, "cmdCreate");
    Child<QLineEdit>(d, "txtInterval")->setText("250");
    auto* status = Child<QLabel>(d, "lblStatus");
    EXPECT_EQ(status->text(), "");
    prompter.saveNames.push_back(Path("spin.ani"));
    Click(d, "cmdCreate");
    EXPECT_TRUE(d.isVisible()) << "the dialog stays open after writing";
    EXPECT_EQ(status->text(), Path("spin.ani") + " written with 2 frames.");
    // A frame file that has gone stops the next write before the target is touched.
    ASSERT_TRUE(QFile::remove(Path("a.cur")));
    prompter.saveNames.push_back(Path("spin.ani"));
    Click(d, "cmdCreate");
    EXPECT_EQ(status->text(), "") << "no word of an earlier success after a failure";
    Click(d, "cmdCancel");
  });
  ASSERT_EQ(prompter.messages.size(), 3u);
  const std::pair<Icon, QString> expected[] = {{Icon::Exclamation, "Please, select some files !"},
                                               {Icon::Critical, "Invalid interval"},
                                               {Icon::Critical, Path("a.cur")}};  // and the reason after ": "
  for (size_t i = 0; i < 3; ++i) {
    const auto& m = prompter.messages[i];
    EXPECT_EQ(std::tuple(m.icon, m.title, m.text.section(": ", 0, 0)),
              std::tuple(expected[i].first, QString("GlyphSmith 5.0"), expected[i].second));
  }
  const QByteArray ani = ReadAll(Path("spin.ani"));
  ASSERT_EQ(ani.size(), 822);      // two 326-byte frames
  EXPECT_EQ(U16At(ani, 48), 15u);  // display rate in jiffies: 250 ms gives 15
}

}  // namespace
}  // namespace gs::ui::test
