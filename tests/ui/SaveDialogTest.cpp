#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>

#include "FileTestSupport.h"
#include "raster/Depth.h"
#include "ui/SaveDialog.h"
#include "ui/SurfaceImage.h"
#include "ui/SurfaceView.h"

namespace gs::ui::test {
namespace {

class SaveDialogTest : public FileWindowTest {
 protected:
  // Shows the options for an icon save and hands the dialog to `inspect`,
  // which answers it.
  void WithIconOptions(std::function<int(QDialog&)> inspect) {
    prompter.saveNames.push_back(Path("s.ico"));
    prompter.dialogs.push_back(std::move(inspect));
    window->Action("mnuFile_3")->trigger();
  }
  void WithCursorOptions(std::function<int(QDialog&)> inspect) {
    prompter.saveNames.push_back(Path("s.cur"));
    prompter.dialogs.push_back(std::move(inspect));
    window->Action("mnuExport_0")->trigger();
  }
};

TEST_F(SaveDialogTest, ControlsCarryTheirTexts) {
  WithIconOptions([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Save Icon");
    auto* saveAs = Child<QComboBox>(d, "cmbSaveAs");
    QStringList items;
    for (int i = 0; i < saveAs->count(); ++i) items << saveAs->itemText(i);
    EXPECT_EQ(items, (QStringList{"Black & White", "16 Colors ", "256 Colors"}));
    EXPECT_EQ(saveAs->currentIndex(), 1);
    EXPECT_TRUE(saveAs->toolTip().contains("Color:") && saveAs->toolTip().contains("Select Color Depth"));
    EXPECT_TRUE(Child<QComboBox>(d, "cmbOptimize")->isEditable());
    EXPECT_EQ(Child<QComboBox>(d, "cmbOptimize")->itemText(0), "High");
    EXPECT_FALSE(Child<QWidget>(d, "Frame2")->isVisibleTo(&d));
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text() + Child<QGroupBox>(d, "Frame1")->title() +
                  Child<QGroupBox>(d, "Frame2")->title() + Child<QLabel>(d, "Label2")->text() +
                  Child<QLabel>(d, "Label3")->text() + Child<QLineEdit>(d, "txtHotX")->text(),
              "Save as:QualityCursor HotspotX:Y:0");
    return CancelSaveOptions()(d);
  });
}

// The quality list only means something for 256-colour icons and cursors.
TEST_F(SaveDialogTest, TheQualityListIsLiveOnlyForTwoHundredFiftySixColourIconsAndCursors) {
  WithIconOptions([](QDialog& d) {
    auto* saveAs = Child<QComboBox>(d, "cmbSaveAs");
    auto* optimize = Child<QComboBox>(d, "cmbOptimize");
    EXPECT_FALSE(optimize->isEnabled());
    Pick(saveAs, 2);
    EXPECT_TRUE(optimize->isEnabled());
    Pick(saveAs, 0);
    EXPECT_FALSE(optimize->isEnabled());
    Pick(saveAs, 2);
    return CancelSaveOptions()(d);
  });
  WithCursorOptions([](QDialog& d) {
    EXPECT_TRUE(Child<QComboBox>(d, "cmbOptimize")->isEnabled()) << "still at 256 colours";
    return CancelSaveOptions()(d);
  });
}

// The preview shows the document at the chosen depth with the standard
// tables, also when the adaptive palette will be used for the file.
TEST_F(SaveDialogTest, ThePreviewShowsTheStandardConversionAtTheChosenDepth) {
  PaintSample();
  const Surface& img = Doc().WorkingImage;
  WithIconOptions([&](QDialog& d) {
    auto& dialog = static_cast<SaveDialog&>(d);
    EXPECT_EQ(Child<QWidget>(d, "picPrev")->size(), window->Preview()->size());
    for (int index : {0, 1, 2}) {
      Pick(Child<QComboBox>(d, "cmbSaveAs"), index);
      const int depth = std::array{1, 4, 8}[index];
      EXPECT_EQ(dialog.PreviewImage(), ToQImage(ExpandDib(GetBitsAtDepth(img, depth)))) << depth;
    }
    EXPECT_EQ(dialog.Mode(), PaletteMode::Adaptive);
    QImage shown(32, 32, QImage::Format_RGB32);
    Child<QWidget>(d, "picPrev")->render(&shown);
    EXPECT_EQ(shown, dialog.PreviewImage());
    return CancelSaveOptions()(d);
  });
  // The next showing sees the picture as it is then.
  Doc().WorkingImage.Fill(Rgb(255, 255, 255));
  WithIconOptions([](QDialog& d) {
    EXPECT_EQ(static_cast<SaveDialog&>(d).PreviewImage().pixel(3, 3), qRgb(255, 255, 255));
    return CancelSaveOptions()(d);
  });
}

TEST_F(SaveDialogTest, PressingOrDraggingOnThePreviewSetsTheHotspot) {
  WithCursorOptions([](QDialog& d) {
    auto* preview = Child<QWidget>(d, "picPrev");
    auto* x = Child<QLineEdit>(d, "txtHotX");
    auto* y = Child<QLineEdit>(d, "txtHotY");
    QTest::mousePress(preview, Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(x->text(), "5");
    EXPECT_EQ(y->text(), "7");
    QTest::mouseRelease(preview, Qt::RightButton, {}, QPoint(5, 7));
    auto move = [&](QPoint p, Qt::MouseButtons held) {
      QMouseEvent e(QEvent::MouseMove, p, preview->mapToGlobal(p), Qt::NoButton, held, {});
      QApplication::sendEvent(preview, &e);
    };
    move({9, 9}, Qt::NoButton);
    move({9, 9}, Qt::RightButton);
    EXPECT_EQ(x->text(), "5");
    move({20, 31}, Qt::LeftButton);
    EXPECT_EQ(x->text(), "20");
    EXPECT_EQ(y->text(), "31");
    // Dragged out of the box, the position is refused on OK like a typed one.
    move({40, 3}, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(d, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(d.result(), 0);
    return SaveOptions(-1, "20", "31")(d);
  });
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "X Hotspot must be a value between 0 and 31 !");
  const QByteArray cursor = ReadAll(Path("s.cur"));
  ASSERT_EQ(cursor.size(), 766);
  EXPECT_EQ(U16At(cursor, 10), 20u);
  EXPECT_EQ(U16At(cursor, 12), 31u);
}

// Hidden between showings, the dialog keeps its choices; closed through its
// window, it starts afresh next time.
TEST_F(SaveDialogTest, ChoicesCarryOverUntilTheWindowIsClosed) {
  WithCursorOptions([](QDialog& d) {
    Pick(Child<QComboBox>(d, "cmbSaveAs"), 0);
    return SaveOptions(-1, "3", "4")(d);
  });
  WithCursorOptions([](QDialog& d) {
    EXPECT_EQ(Child<QComboBox>(d, "cmbSaveAs")->currentIndex(), 0);
    EXPECT_EQ(Child<QLineEdit>(d, "txtHotX")->text(), "3");
    d.show();
    d.close();
    return d.result();
  });
  EXPECT_EQ(QFileInfo(Path("s.cur")).size(), 326) << "closing the window cancels";
  WithCursorOptions([](QDialog& d) {
    EXPECT_EQ(Child<QComboBox>(d, "cmbSaveAs")->currentIndex(), 1);
    EXPECT_EQ(Child<QLineEdit>(d, "txtHotX")->text(), "0");
    return SaveOptions()(d);
  });
  EXPECT_EQ(QFileInfo(Path("s.cur")).size(), 766);
}

}  // namespace
}  // namespace gs::ui::test
