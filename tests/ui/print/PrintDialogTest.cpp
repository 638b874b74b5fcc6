#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>

#include "ui/files/FileTestSupport.h"
#include "ui/main/SurfaceImage.h"
#include "ui/main/SurfaceView.h"
#include "ui/print/PageOutput.h"
#include "ui/print/PrintDialog.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

class PrintDialogTest : public FileWindowTest {
 protected:
  void SetUp() override {
    FileWindowTest::SetUp();
    // Transparent but for three marked pixels and a green left edge, which
    // shows where the picture starts even when its corners are off the page.
    Surface& img = Doc().WorkingImage;
    img.Fill(Doc().TransparentColor);
    img.FillRect({0, 2, 1, 32}, kGreen);
    img.SetPixel(0, 0, kRed);
    img.SetPixel(1, 0, kGreen);
    img.SetPixel(31, 31, kBlue);
    window->RePaint();
  }

  // Opens the print preview from the tool bar (which triggers File > Print)
  // with no printer set up, whatever this machine has, and lets `script` work it.
  void RunDialog(std::function<void(PrintDialog&)> script) {
    prompter.dialogs.push_back([script](QDialog& d) {
      auto& dialog = dynamic_cast<PrintDialog&>(d);
      EXPECT_TRUE(dialog.isModal());
      dialog.SetPrinter(QPrinterInfo());
      dialog.show();
      script(dialog);
      return d.result();
    });
    QTest::mouseClick(Child<QToolButton>(*window, "tbPrint"), Qt::LeftButton);
  }

  static void Click(QDialog& d, const char* name) { QTest::mouseClick(Child<QAbstractButton>(d, name), Qt::LeftButton); }
  static Surface Preview(QDialog& d) { return FromQImage(Child<SurfaceView>(d, "picPaper")->image()); }

  // Printer pixels of a PDF page as poppler draws them: the block `crop` (the
  // whole page when empty), rasterised at `scale` × the page's resolution and
  // sampled at each printer pixel's centre. Below 4× poppler blends the colours
  // of neighbouring image pixels a little; from 4× on it copies them.
  static Surface Rasterise(const QString& pdf, int scale = 1, const Rect& crop = {}) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    EXPECT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed";
    const QString out = pdf + QStringLiteral("-page");
    QStringList args{"-r", QString::number(kPdfResolution * scale), "-png", "-singlefile"};
    if (!crop.IsEmpty())
      args << "-x" << QString::number(crop.left * scale) << "-y" << QString::number(crop.top * scale) << "-W"
           << QString::number(crop.Width() * scale) << "-H" << QString::number(crop.Height() * scale);
    QProcess p;
    p.start(pdftoppm, args << pdf << out);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const Surface raster = FromQImage(QImage(out + QStringLiteral(".png")));
    Surface sampled(raster.Width() / scale, raster.Height() / scale);
    for (int y = 0; y < sampled.Height(); ++y)
      for (int x = 0; x < sampled.Width(); ++x) sampled.SetPixel(x, y, raster.GetPixel(x * scale + scale / 2, y * scale + scale / 2));
    return sampled;
  }

};

// The sheet turns with the orientation, and the preview shows the picture on
// the page of the printer in use at the listed or typed magnification.
TEST_F(PrintDialogTest, ThePreviewFollowsOrientationAndMagnification) {
  RunDialog([&](PrintDialog& d) {
    QWidget* paper = Child(d, "picPaper");
    auto expectPreview = [&](const char* magnification) {
      const QSize page = d.PageSize();
      EXPECT_EQ(Preview(d), RenderPreview(Doc().WorkingImage, magnification, page.width(), page.height(),
                                          paper->width(), paper->height()))
          << magnification;
    };
    const QSize portrait = d.PageSize(), sheet = paper->size();
    EXPECT_LT(portrait.width(), portrait.height());
    expectPreview("5000%");

    Click(d, "optStyle_1");
    EXPECT_EQ(d.Orientation(), PageOrientation::Landscape);
    EXPECT_EQ(d.PageSize(), portrait.transposed());
    EXPECT_EQ(paper->size(), sheet.transposed());
    expectPreview("5000%");
    Child<QComboBox>(d, "cboStretch")->setCurrentIndex(0);
    expectPreview("100%");
    Child<QComboBox>(d, "cboStretch")->setEditText(QStringLiteral("Stretch"));
    expectPreview("Stretch");
  });
}

// The page as it lands in the file, end to end through poppler: landscape, and
// at 10000 % taller than the page, so clipped at top and bottom and drawn in
// bands. Every pixel is where the printed picture puts it, white where the
// image is transparent and all around.
TEST_F(PrintDialogTest, PrintingToPdfWritesThePictureAtItsPlaceAndSize) {
  const QString pdf = Path("page.pdf");
  prompter.answers.push_back(Prompter::Answer::Yes);
  prompter.saveNames.push_back(pdf);
  QSize page;
  RunDialog([&](PrintDialog& d) {
    Click(d, "optStyle_1");
    Child<QComboBox>(d, "cboStretch")->setEditText(QStringLiteral("10000%"));
    page = d.PageSize();
    Click(d, "cmdPrint");
    EXPECT_EQ(d.result(), QDialog::Accepted) << "the preview closes once the page is written";
  });
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Question);

  const Surface shown = Rasterise(pdf);
  // The sheet's size in points is rounded in the file, so its last pixel may
  // come or go.
  ASSERT_LE(std::abs(shown.Width() - page.width()), 1);
  ASSERT_LE(std::abs(shown.Height() - page.height()), 1);
  const int size = PictureSize("10000%");
  const Rect place = PlacePicture(size, page.width(), page.height());
  const Surface expected = RenderPageBlock(PagePicture(Doc().WorkingImage, Doc().TransparentColor), place,
                                           Rect::FromSize(0, 0, page.width(), page.height()));
  // The whole page: white all around the picture's square (at the page's own
  // resolution poppler may blend the square's last row or column into the next).
  const Rect ring{place.left - 1, place.top - 1, place.right + 1, place.bottom + 1};
  int wrong = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if (!ring.Contains(x, y) && shown.GetPixel(x, y) != kWhite && ++wrong <= 5)
        ADD_FAILURE() << "page pixel " << x << "," << y << ": " << std::hex << shown.GetPixel(x, y);
  EXPECT_EQ(wrong, 0);

  // The picture's middle and its left edge three quarters down the page (in
  // the second band), read where poppler copies pixels exactly: each image
  // pixel over its own square, transparent ones white, white paper outside.
  const int cell = size / 32;
  for (const Rect& crop : {Rect::FromSize(place.left + size / 2 - cell, place.top + size / 2 - cell, 2 * cell, 2 * cell),
                           Rect::FromSize(place.left - 2, page.height() * 3 / 4 - 2, cell + 4, 4)}) {
    const Surface exact = Rasterise(pdf, 4, crop);
    ASSERT_EQ(exact.Width(), crop.Width());
    for (int y = 0; y < crop.Height(); ++y)
      for (int x = 0; x < crop.Width(); ++x) {
        const int px = crop.left + x, py = crop.top + y;
        ASSERT_EQ(exact.GetPixel(x, y), expected.Contains(px, py) ? expected.GetPixel(px, py) : kWhite)
            << "page pixel " << px << "," << py;
      }
  }
}

// A magnification without a size is refused with the reason; declining the
// PDF writes nothing; a failed write says why. The preview stays open each time.
TEST_F(PrintDialogTest, ARefusalDecliningOrAFailedWriteKeepsThePreviewOpen) {
  const QString missing = Path("no such folder/page.pdf");
  prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
  prompter.saveNames.push_back(missing);
  RunDialog([&](PrintDialog& d) {
    auto* magnification = Child<QComboBox>(d, "cboStretch");
    const QString listed = magnification->currentText();
    magnification->setEditText(QStringLiteral("Stretch"));
    Click(d, "cmdPrint");
    EXPECT_TRUE(d.isVisible());
    magnification->setEditText(listed);
    Click(d, "cmdPrint");  // No: nothing is written
    EXPECT_TRUE(d.isVisible());
    Click(d, "cmdPrint");  // Yes, into a folder that is not there
    EXPECT_TRUE(d.isVisible());
    d.reject();
  });
  ASSERT_EQ(prompter.messages.size(), 4u);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(prompter.messages[0].text, QString::fromStdString(PrintRefusal("Stretch")));
  EXPECT_EQ(prompter.messages[1].text, "No printer is set up on this computer.\nSave the page as a PDF file instead?");
  EXPECT_EQ(prompter.messages[3].icon, Icon::Critical);
  EXPECT_EQ(prompter.messages[3].text, missing + ": No such file or directory");
  EXPECT_FALSE(QFileInfo::exists(missing));
}

}  // namespace
}  // namespace gs::ui::test
