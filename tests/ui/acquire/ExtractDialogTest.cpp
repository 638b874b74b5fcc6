#include <gtest/gtest.h>

#include <QFileSystemModel>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>

#include "support/ProgramWithIcons.h"
#include "AcquireTestSupport.h"
#include "ui/main/SurfaceImage.h"
#include "ui/acquire/ExtractDialog.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;

class ExtractDialogTest : public AcquireWindowTest {
 protected:
  void SetUp() override {
    AcquireWindowTest::SetUp();
    for (int count : {4, 12}) {
      const auto program = gs::testing::ProgramWithIcons(count);
      WriteAll(Path(QStringLiteral("icons%1.dll").arg(count)),
               QByteArray(reinterpret_cast<const char*>(program.data()), static_cast<qsizetype>(program.size())));
    }
    WriteAll(Path("notes.txt"), "a few words\n");
    // The user's picture, which only a successful Extract may replace.
    PaintSample();
    Doc().Modified = true;
    before = Doc().WorkingImage;
  }

  // The extractor from the tool bar (the save prompt answered No), browsing the test folder.
  int Extractor(std::function<void(QDialog&)> script) {
    prompter.answers.push_back(Prompter::Answer::No);
    return RunDialog("tbExtract", [&](QDialog& d) {
      auto* tree = Child<QTreeView>(d, "drDir");
      tree->setCurrentIndex(qobject_cast<QFileSystemModel*>(tree->model())->index(dir.path()));
      script(d);
    });
  }

  // A click on the file's name in the file list.
  static void ClickFile(QDialog& d, const QString& name) {
    auto* files = Child<QListWidget>(d, "fleFile");
    const auto found = files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found[0]).center());
  }

  // The 32 × 32 cell at (x, y) of the viewport as it is on the screen.
  static Surface ShownCell(QDialog& d, int x, int y) {
    const QImage shown = Child<QWidget>(d, "picPreview")->grab().toImage();
    Surface cell(32, 32);
    for (int j = 0; j < 32; ++j)
      for (int i = 0; i < 32; ++i) cell.SetPixel(i, j, FromQRgb(shown.pixel(x + i, y + j)));
    return cell;
  }
  static Surface Inverted(Surface s) {
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, s.GetPixel(x, y) ^ 0xFFFFFFu);
    return s;
  }
  static int Chosen(QDialog& d) { return static_cast<ExtractDialog&>(d).Extractor().Grid().Selected(); }

  Surface before;
};

TEST_F(ExtractDialogTest, CancelInTheSavePromptOrTheDialogChangesNothing) {
  prompter.answers.push_back(Prompter::Answer::Cancel);
  Trigger("mnuFile_5");  // no dialog is scripted: none may open
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Do you want to save changes ?");
  Extractor([&](QDialog& d) {
    ClickFile(d, "icons4.dll");
    Click(d, "cmdCancel");
  });
  EXPECT_EQ(Doc().WorkingImage, before);
  EXPECT_TRUE(Doc().Modified);
}

// The grid shows the clicked file's icons under the scroll bar, the left
// button (held or clicked) chooses the icon under it, and Extract takes the
// picture its cell shows (the core tests check that picture).
TEST_F(ExtractDialogTest, TheGridFollowsTheLeftButtonAndTheScrollBar) {
  Surface taken;
  const int result = Extractor([&](QDialog& d) {
    ClickFile(d, "icons12.dll");
    auto* grid = Child<QWidget>(d, "picIcons");
    auto* scroll = Child<QScrollBar>(d, "scrPreview");
    SendMouse(grid, QEvent::MouseMove, QPoint(70, 10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Chosen(d), 2);
    SendMouse(grid, QEvent::MouseMove, QPoint(40, 10), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(Chosen(d), 2) << "only the left button chooses";

    EXPECT_EQ(scroll->maximum(), 2);
    scroll->setValue(2);
    // What the pointer points at in the viewport is what is chosen and shown inverted.
    const Surface seventh = ShownCell(d, 32, 0);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->mapFrom(Child<QWidget>(d, "picPreview"), QPoint(40, 5)));
    EXPECT_EQ(Chosen(d), 7);
    EXPECT_EQ(ShownCell(d, 32, 0), Inverted(seventh));

    // Another file starts again at the top, here with nothing to scroll.
    ClickFile(d, "icons4.dll");
    EXPECT_EQ(grid->y(), 0);
    EXPECT_FALSE(scroll->isEnabled());
    taken = ShownCell(d, 0, 32);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(10, 40));
    Click(d, "cmdExtract");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(Doc().WorkingImage, taken);
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(prompter.messages.size(), 1u) << "only the save prompt";
}

// Nothing to take: the user's picture stays, the user is told why, and the
// dialog stays open for another choice. A file without icons of its own then
// offers the icon the desktop shows for its type.
TEST_F(ExtractDialogTest, NothingToExtractSaysWhyAndAFileWithoutIconsOffersItsTypesIcon) {
  Surface shown;
  Extractor([&](QDialog& d) {
    Click(d, "cmdExtract");  // no file chosen yet
    ClickFile(d, "icons4.dll");
    ASSERT_TRUE(QFile::remove(Path("icons4.dll")));  // gone before Extract
    Click(d, "cmdExtract");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(Doc().WorkingImage, before);

    ClickFile(d, "notes.txt");
    shown = ShownCell(d, 0, 0);
    EXPECT_NE(shown, Surface(32, 32, Doc().TransparentColor)) << "an icon is drawn in the first cell";
    Click(d, "cmdExtract");
  });
  EXPECT_EQ(Doc().WorkingImage, shown);
  EXPECT_FALSE(Doc().Modified);
  ASSERT_EQ(prompter.messages.size(), 3u);
  EXPECT_EQ(prompter.messages[1].text, "Choose the file whose icon to extract.");
  EXPECT_TRUE(prompter.messages[2].text.startsWith(Path("icons4.dll") + ": ")) << prompter.messages[2].text.toStdString();
  for (std::size_t i = 1; i < 3; ++i) EXPECT_EQ(prompter.messages[i].icon, Icon::Exclamation);
}

}  // namespace
}  // namespace gs::ui::test
