#include <gtest/gtest.h>

#include <QFileSystemModel>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>
#include <sys/stat.h>

#include "support/ProgramWithIcons.h"
#include "AcquireTestSupport.h"
#include "ui/main/SurfaceImage.h"
#include "acquire/IconExtract.h"
#include "acquire/IconSource.h"
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
    Doc().CurrentFile = "/somewhere/mine.ico";
    before = Doc().WorkingImage;
  }

  // The extractor from the File menu (the save prompt answered No), browsing the test folder.
  int Extractor(std::function<void(QDialog&)> script) {
    prompter.answers.push_back(Prompter::Answer::No);
    return RunDialog("mnuFile_5", [&](QDialog& d) {
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

  // Icon `index` of the program as the grid and Extract show it.
  Surface IconPicture(const QString& file, int index) {
    const auto source = ReadIconSource(Path(file).toStdString());
    EXPECT_TRUE(source);
    const auto picture = IconCellPicture(source->icons.at(static_cast<std::size_t>(index)).ico, Doc().TransparentColor);
    EXPECT_TRUE(picture);
    return *picture;
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

TEST_F(ExtractDialogTest, MenuAndToolbarOpenTheDialogOnlyPastTheSavePrompt) {
  auto* button = window->findChild<QToolButton*>("tbExtract");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), "Extract Icon from File");
  EXPECT_TRUE(button->isEnabled());
  prompter.answers.push_back(Prompter::Answer::Cancel);
  QTest::mouseClick(button, Qt::LeftButton);  // no dialog is scripted: none may open
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Do you want to save changes ?");

  prompter.answers.push_back(Prompter::Answer::No);
  prompter.dialogs.push_back([](QDialog& d) {
    EXPECT_EQ(d.objectName(), "frmExtract");
    EXPECT_EQ(d.windowTitle(), "  Icon Extractor");
    EXPECT_EQ(Child<QPushButton>(d, "cmdExtract")->text(), "Extract");
    EXPECT_EQ(Child<QPushButton>(d, "cmdCancel")->text(), "Cancel");
    Click(d, "cmdCancel");
    return d.result();
  });
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(Doc().WorkingImage, before) << "Cancel changes nothing";
  EXPECT_TRUE(Doc().Modified);
}

TEST_F(ExtractDialogTest, TheGridShowsEachIconAndTheLeftButtonChoosesOne) {
  const int result = Extractor([&](QDialog& d) {
    auto* files = Child<QListWidget>(d, "fleFile");
    EXPECT_EQ(files->count(), 3) << "every file is listed";
    ClickFile(d, "icons4.dll");
    auto* grid = Child<QWidget>(d, "picIcons");
    EXPECT_EQ(grid->geometry(), QRect(0, 0, 96, 96));
    EXPECT_FALSE(Child<QScrollBar>(d, "scrPreview")->isEnabled());
    EXPECT_EQ(ShownCell(d, 0, 0), IconPicture("icons4.dll", 0));
    EXPECT_EQ(ShownCell(d, 0, 32), IconPicture("icons4.dll", 3)) << "the fourth icon opens the second row";

    QTest::mouseClick(grid, Qt::RightButton, {}, QPoint(10, 40));
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(40, 40));  // an empty cell
    EXPECT_EQ(Chosen(d), 0);
    EXPECT_EQ(ShownCell(d, 0, 32), IconPicture("icons4.dll", 3)) << "no highlight yet";
    // Dragging with the left button held moves the highlight from cell to cell.
    SendMouse(grid, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    SendMouse(grid, QEvent::MouseMove, QPoint(70, 10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(Chosen(d), 2);
    EXPECT_EQ(ShownCell(d, 64, 0), Inverted(IconPicture("icons4.dll", 2)));
    SendMouse(grid, QEvent::MouseMove, QPoint(40, 10), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(Chosen(d), 2) << "only the left button chooses";
    SendMouse(grid, QEvent::MouseButtonRelease, QPoint(70, 10), Qt::LeftButton, Qt::NoButton);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(Chosen(d), 3);
    EXPECT_EQ(ShownCell(d, 0, 32), Inverted(IconPicture("icons4.dll", 3)));
    EXPECT_EQ(ShownCell(d, 64, 0), IconPicture("icons4.dll", 2)) << "the old highlight is gone";
    Click(d, "cmdExtract");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(Doc().WorkingImage, IconPicture("icons4.dll", 3));
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(Doc().CurrentFile, "/somewhere/mine.ico");
  EXPECT_EQ(window->windowTitle(), MainWindow::UntitledCaption()) << "the caption stays";
  EXPECT_TRUE(prompter.messages.size() == 1u) << "only the save prompt";
}

TEST_F(ExtractDialogTest, TheScrollBarMovesTheGridByRows) {
  Extractor([&](QDialog& d) {
    ClickFile(d, "icons12.dll");
    auto* scroll = Child<QScrollBar>(d, "scrPreview");
    auto* grid = Child<QWidget>(d, "picIcons");
    auto* viewport = Child<QWidget>(d, "picPreview");
    EXPECT_TRUE(scroll->isEnabled());
    EXPECT_EQ(scroll->maximum(), 2);
    scroll->setValue(2);
    EXPECT_EQ(grid->y(), -64);
    EXPECT_EQ(ShownCell(d, 32, 0), IconPicture("icons12.dll", 7));
    // What the pointer points at in the viewport is what is chosen.
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->mapFrom(viewport, QPoint(40, 5)));
    EXPECT_EQ(Chosen(d), 7);
    EXPECT_EQ(ShownCell(d, 32, 0), Inverted(IconPicture("icons12.dll", 7)));
    // Another file starts again from its first icon and the top.
    ClickFile(d, "icons4.dll");
    EXPECT_EQ(Chosen(d), 0);
    EXPECT_EQ(grid->y(), 0);
    EXPECT_FALSE(scroll->isEnabled());
    Click(d, "cmdCancel");
  });
  EXPECT_EQ(Doc().WorkingImage, before);
}

// A file without icons of its own offers the icon the desktop shows for its type.
TEST_F(ExtractDialogTest, AFileWithoutIconsOffersItsTypesIcon) {
  Surface shown;
  Extractor([&](QDialog& d) {
    ClickFile(d, "notes.txt");
    EXPECT_EQ(static_cast<ExtractDialog&>(d).Extractor().Grid().Count(), 1);
    shown = ShownCell(d, 0, 0);
    EXPECT_NE(shown, Surface(32, 32, Doc().TransparentColor)) << "an icon is drawn in the first cell";
    Click(d, "cmdExtract");
  });
  EXPECT_EQ(Doc().WorkingImage, shown);
  EXPECT_FALSE(Doc().Modified);
}

// Nothing to take: the user's picture stays, the user is told why, and the
// dialog stays open for another choice.
TEST_F(ExtractDialogTest, NothingToExtractKeepsThePictureAndSaysWhy) {
  ASSERT_EQ(::mkfifo(Path("pipe").toLocal8Bit().constData(), 0600), 0);
  Extractor([&](QDialog& d) {
    Click(d, "cmdExtract");  // no file chosen yet
    ClickFile(d, "pipe");
    const QImage grid = Child<QWidget>(d, "picPreview")->grab().toImage();
    int dark = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 96; ++x) dark += qGray(grid.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20) << "the grid says there are no icons";
    Click(d, "cmdExtract");
    ClickFile(d, "icons4.dll");
    ASSERT_TRUE(QFile::remove(Path("icons4.dll")));  // gone before Extract
    Click(d, "cmdExtract");
    EXPECT_TRUE(d.isVisible());
    Click(d, "cmdCancel");
  });
  EXPECT_EQ(Doc().WorkingImage, before);
  EXPECT_TRUE(Doc().Modified);
  ASSERT_EQ(prompter.messages.size(), 4u);
  EXPECT_EQ(prompter.messages[1].text, "Choose the file whose icon to extract.");
  EXPECT_EQ(prompter.messages[2].text, Path("pipe") + ": it is not a regular file");
  EXPECT_TRUE(prompter.messages[3].text.startsWith(Path("icons4.dll") + ": ")) << prompter.messages[3].text.toStdString();
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_EQ(prompter.messages[i].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[i].title, "GlyphSmith 5.0");
  }
}

}  // namespace
}  // namespace gs::ui::test
