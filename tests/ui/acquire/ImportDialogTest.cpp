#include <gtest/gtest.h>

#include <QToolButton>

#include "AcquireTestSupport.h"
#include "ui/main/SurfaceImage.h"
#include "acquire/CropRectangle.h"
#include "ui/main/SurfaceView.h"
#include "ui/acquire/ImportDialog.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;

// Colour of the test picture at (x, y): every pixel differs from its neighbours.
QRgb PicturePixel(int x, int y) { return qRgb(x * 7 % 256, y * 5 % 256, (x + y) * 3 % 256); }

class ImportDialogTest : public AcquireWindowTest {
 protected:
  void SetUp() override {
    AcquireWindowTest::SetUp();
    PaintSample();
    before = Doc().WorkingImage;
  }

  // A PNG picture of w × h pixels in the test folder.
  QString Picture(const QString& name, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) image.setPixel(x, y, PicturePixel(x, y));
    EXPECT_TRUE(image.save(Path(name)));
    return Path(name);
  }
  // The part `r` of the 120 × 90 test picture squeezed into 32 × 32.
  static Surface Cropped(const Rect& r) {
    Surface s(120, 90);
    for (int y = 0; y < 90; ++y)
      for (int x = 0; x < 120; ++x) s.SetPixel(x, y, FromQRgb(PicturePixel(x, y)));
    return *CropResult(s, r);
  }

  // The dialog from the tool bar (no changes to save), with `picture` opened through "Open Image".
  int Importer(const QString& picture, std::function<void(QDialog&)> script) {
    return RunDialog("tbAcquire", [&](QDialog& d) {
      if (!picture.isEmpty()) {
        prompter.openNames.push_back(picture);
        Click(d, "cmdSelect");
      }
      script(d);
    });
  }

  static QStringList Fields(QDialog& d) {
    QStringList out;
    for (const char* name : {"txtLeft", "txtTop", "txtWidth", "txtHeight"}) out << Child<QLineEdit>(d, name)->text();
    return out;
  }
  static Surface Shown(QWidget* w) { return FromQImage(w->grab().toImage()); }
  static Surface Preview(QDialog& d) { return FromQImage(Child<SurfaceView>(d, "picResult")->image()); }

  Surface before;
};

TEST_F(ImportDialogTest, CancellingTheSavePromptOpensNothing) {
  Doc().Modified = true;
  prompter.answers.push_back(Prompter::Answer::Cancel);
  Trigger("mnuFile_6");  // no dialog is scripted: none may open
  EXPECT_EQ(prompter.messages.size(), 1u);
}

// The fields show the corners as dragged; the outline, the preview and
// Acquire use them in order.
TEST_F(ImportDialogTest, ADragFromLowerRightToUpperLeftIsUsedInOrder) {
  const int result = Importer(Picture("photo.png", 120, 90), [&](QDialog& d) {
    auto* picture = Child<QWidget>(d, "picFull");
    EXPECT_EQ(Preview(d), Cropped({0, 0, 32, 32})) << "the initial rectangle";
    SendMouse(picture, QEvent::MouseButtonPress, QPoint(60, 40), Qt::LeftButton, Qt::LeftButton);
    SendMouse(picture, QEvent::MouseMove, QPoint(20, 10), Qt::NoButton, Qt::LeftButton);
    SendMouse(picture, QEvent::MouseButtonRelease, QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Fields(d), (QStringList{"60", "40", "20", "10"}));
    const Surface shown = Shown(picture);
    for (const QPoint p : {QPoint(20, 10), QPoint(21, 10), QPoint(59, 39), QPoint(20, 39), QPoint(59, 25)})
      EXPECT_EQ(shown.GetPixel(p.x(), p.y()), FromQRgb(PicturePixel(p.x(), p.y())) ^ 0xFFFFFFu) << p.x() << "," << p.y();
    EXPECT_EQ(shown.GetPixel(21, 11), FromQRgb(PicturePixel(21, 11))) << "inside the outline";
    EXPECT_EQ(shown.GetPixel(60, 40), FromQRgb(PicturePixel(60, 40))) << "the second corner is outside";
    EXPECT_EQ(Preview(d), Cropped({20, 10, 60, 40}));
    Click(d, "cmdImport");
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(Doc().WorkingImage, Cropped({20, 10, 60, 40}));
  EXPECT_TRUE(Doc().Modified);
}

// Typed corners move the preview. Acquire without a picture (the file dialog
// cancelled) just closes; without an area it says why and the dialog stays.
TEST_F(ImportDialogTest, TypedCornersAndAcquireWithoutAPictureOrAnArea) {
  Importer({}, [&](QDialog& d) {
    prompter.openNames.push_back({});  // the file dialog cancelled
    Click(d, "cmdSelect");
    Click(d, "cmdImport");
    EXPECT_FALSE(d.isVisible());
  });
  Importer(Picture("photo.png", 120, 90), [&](QDialog& d) {
    auto* x2 = Child<QLineEdit>(d, "txtWidth");
    x2->selectAll();
    QTest::keyClicks(x2, "64");
    EXPECT_EQ(Preview(d), Cropped({0, 0, 64, 32}));
    x2->setText("0");
    Click(d, "cmdImport");
    EXPECT_TRUE(d.isVisible());
    d.reject();
  });
  EXPECT_EQ(Doc().WorkingImage, before);
  EXPECT_FALSE(Doc().Modified);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(prompter.messages[0].text,
            Path("photo.png") + ": the rectangle 0,0,0,32 has no area inside the 120 × 90 picture");
}

// A picture that cannot be read is named with the reason, and the one shown stays.
TEST_F(ImportDialogTest, UnreadablePicturesAreRefusedAndThePreviousOneStays) {
  WriteAll(Path("broken.png"), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'x'));
  WriteAll(Path("drawing.wmf"), QByteArray(64, '\0'));
  const QString wide = Picture("wide.png", 16385, 1);
  const std::pair<QString, QString> refused[] = {
      {Path("broken.png"), ""},  // Qt's own words
      {Path("drawing.wmf"), "it is a Windows metafile, which cannot be drawn here"},
      {wide, "the picture is 16385 × 1 pixels; at most 16384 pixels on a side can be opened"},
      {Path("missing.png"), "No such file or directory"},
  };
  Importer(Picture("photo.png", 120, 90), [&](QDialog& d) {
    for (const auto& [file, reason] : refused) {
      prompter.openNames.push_back(file);
      Click(d, "cmdSelect");
    }
    Click(d, "cmdImport");
  });
  EXPECT_EQ(Doc().WorkingImage, Cropped({0, 0, 32, 32})) << "from the picture that stayed";
  ASSERT_EQ(prompter.messages.size(), std::size(refused));
  for (std::size_t i = 0; i < std::size(refused); ++i) {
    const auto& [file, reason] = refused[i];
    const QString& text = prompter.messages[i].text;
    EXPECT_EQ(prompter.messages[i].icon, Icon::Exclamation);
    if (reason.isEmpty())
      EXPECT_TRUE(text.startsWith(file + ": ") && text.size() > file.size() + 5) << text.toStdString();
    else
      EXPECT_EQ(text, file + ": " + reason);
  }
}

}  // namespace
}  // namespace gs::ui::test
