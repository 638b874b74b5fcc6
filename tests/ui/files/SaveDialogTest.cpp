#include <gtest/gtest.h>

#include <QFileInfo>
#include <QMouseEvent>

#include "raster/Depth.h"
#include "ui/files/FileTestSupport.h"
#include "ui/files/SaveDialog.h"
#include "ui/main/SurfaceImage.h"
#include "ui/main/SurfaceView.h"

namespace gs::ui::test {
namespace {

using SaveDialogTest = FileWindowTest;

// The quality list only means something for 256-colour icons and cursors, the
// hotspot only for cursors.
TEST_F(SaveDialogTest, QualityAndHotspotShowOnlyWhereTheyApply) {
  SaveThrough("mnuFile_3", Path("s.ico"), Checked([](QDialog& d) {
    auto* optimize = Child<QComboBox>(d, "cmbOptimize");
    EXPECT_FALSE(Child<QWidget>(d, "Frame2")->isVisibleTo(&d));
    EXPECT_FALSE(optimize->isEnabled());
    Pick(Child<QComboBox>(d, "cmbSaveAs"), 2);
    EXPECT_TRUE(optimize->isEnabled());
  }, CancelSaveOptions()));
}

// The adaptive palette is used only when "256 Colors" was the last pick of
// this showing: not on a second save that leaves the list alone, and not
// after "High" was picked.
TEST_F(SaveDialogTest, TheAdaptivePaletteFollowsTheLastPickOfTheShowing) {
  Doc().WorkingImage.Fill(Rgb(10, 20, 30));
  const QString path = Path("p.ico");
  auto firstEntry = [&] { return ReadAll(path).mid(62, 4); };
  const QByteArray adaptive("\x1e\x14\x0a\x00", 4), standard(4, '\0');
  SaveThrough("mnuFile_3", path, SaveOptions(2));
  ASSERT_EQ(QFileInfo(path).size(), 2238);
  EXPECT_EQ(firstEntry(), adaptive);
  prompter.dialogs.push_back(SaveOptions());  // the list still shows 256 colours
  Trigger("mnuFile_2");
  ASSERT_EQ(QFileInfo(path).size(), 2238);
  EXPECT_EQ(firstEntry(), standard);
  prompter.dialogs.push_back(Checked([](QDialog& d) {
    Pick(Child<QComboBox>(d, "cmbSaveAs"), 2);
    Pick(Child<QComboBox>(d, "cmbOptimize"), 0);
  }));
  Trigger("mnuFile_2");
  EXPECT_EQ(firstEntry(), standard);
}

// The preview shows the document at the chosen depth with the standard
// tables, also when the adaptive palette will be used for the file, and
// follows the picture from one showing to the next.
TEST_F(SaveDialogTest, ThePreviewShowsTheStandardConversionAtTheChosenDepth) {
  PaintSample();
  const Surface& img = Doc().WorkingImage;
  SaveThrough("mnuFile_3", Path("s.ico"), Checked([&](QDialog& d) {
    auto& dialog = static_cast<SaveDialog&>(d);
    for (int index : {0, 1, 2}) {
      Pick(Child<QComboBox>(d, "cmbSaveAs"), index);
      EXPECT_EQ(dialog.PreviewImage(), ToQImage(ExpandDib(GetBitsAtDepth(img, std::array{1, 4, 8}[index])))) << index;
    }
    QImage shown(32, 32, QImage::Format_RGB32);
    Child<QWidget>(d, "picPrev")->render(&shown);
    EXPECT_EQ(shown, dialog.PreviewImage());
  }, CancelSaveOptions()));
  Doc().WorkingImage.Fill(Rgb(255, 255, 255));
  SaveThrough("mnuFile_3", Path("s.ico"), Checked([](QDialog& d) {
    EXPECT_EQ(static_cast<SaveDialog&>(d).PreviewImage().pixel(3, 3), qRgb(255, 255, 255));
  }, CancelSaveOptions()));
}

// A press, or a drag with the left button, on the preview puts the hotspot
// in the boxes; dragged out of the picture, it is refused on OK like a typed
// one. Hidden between showings, the dialog keeps its choices; closed through
// its window, it cancels and starts afresh next time.
TEST_F(SaveDialogTest, ThePreviewSetsTheHotspotAndChoicesCarryOverUntilClosed) {
  auto boxes = [](QDialog& d) { return Child<QLineEdit>(d, "txtHotX")->text() + "," + Child<QLineEdit>(d, "txtHotY")->text(); };
  SaveThrough("mnuExport_0", Path("s.cur"), [&](QDialog& d) {
    auto* preview = Child<QWidget>(d, "picPrev");
    auto move = [&](QPoint p, Qt::MouseButtons held) {
      QMouseEvent e(QEvent::MouseMove, p, preview->mapToGlobal(p), Qt::NoButton, held, {});
      QApplication::sendEvent(preview, &e);
    };
    QTest::mousePress(preview, Qt::RightButton, {}, QPoint(5, 7));
    EXPECT_EQ(boxes(d), "5,7");
    QTest::mouseRelease(preview, Qt::RightButton, {}, QPoint(5, 7));  // QTest remembers held buttons
    move({20, 31}, Qt::LeftButton);
    EXPECT_EQ(boxes(d), "20,31");
    move({40, 3}, Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(d, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(d.result(), 0) << "the dialog stays open";
    return SaveOptions(0, "20", "31")(d);
  });
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "X Hotspot must be a value between 0 and 31 !");
  EXPECT_EQ(ReadAll(Path("s.cur")).mid(10, 4), QByteArray("\x14\x00\x1f\x00", 4));  // hotspot 20, 31
  ASSERT_TRUE(QFile::remove(Path("s.cur")));

  SaveThrough("mnuExport_0", Path("s.cur"), [&](QDialog& d) {
    EXPECT_EQ(Child<QComboBox>(d, "cmbSaveAs")->currentIndex(), 0);
    EXPECT_EQ(boxes(d), "20,31");
    d.show();
    d.close();
    return d.result();
  });
  EXPECT_FALSE(QFileInfo::exists(Path("s.cur"))) << "closing the window cancels";
  // A fresh dialog; the hotspot is the one the document took as a cursor.
  SaveThrough("mnuExport_0", Path("s.cur"), Checked([&](QDialog& d) {
    EXPECT_EQ(Child<QComboBox>(d, "cmbSaveAs")->currentIndex(), 1);
    EXPECT_EQ(boxes(d), "20,31");
  }));
  EXPECT_EQ(QFileInfo(Path("s.cur")).size(), 766);
}

}  // namespace
}  // namespace gs::ui::test
