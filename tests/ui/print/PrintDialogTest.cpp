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
    EXPECT_EQ(paper->geometry(), QRect(18, 2, 89, 121));
    const QSize portrait = d.PageSize();
    EXPECT_LT(portrait.width(), portrait.height());
    expectPreview("5000%");

    Click(d, "optStyle_1");
    EXPECT_EQ(d.Orientation(), PageOrientation::Landscape);
    EXPECT_EQ(paper->geometry(), QRect(2, 18, 121, 89));
    EXPECT_EQ(d.PageSize(), portrait.transposed());
    expectPreview("5000%");
    Child<QComboBox>(d, "cboStretch")->setCurrentIndex(0);
    expectPreview("100%");
    Child<QComboBox>(d, "cboStretch")->setEditText(QStringLiteral("Stretch"));
    expectPreview("Stretch");
  });
}

struct PageCase {
  const char* name;
  const char* magnification;
  bool landscape;
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class PrintToPdfTest : public PrintDialogTest, public ::testing::WithParamInterface<PageCase> {};

// The page as it lands in the file: every pixel where the printed picture puts
// it, white where the image is transparent and all around.
TEST_P(PrintToPdfTest, WritesThePictureAtItsPlaceAndSize) {
  const PageCase c = GetParam();
  const QString pdf = Path("page.pdf");
  prompter.answers.push_back(Prompter::Answer::Yes);
  prompter.saveNames.push_back(pdf);
  QSize page;
  RunDialog([&](PrintDialog& d) {
    if (c.landscape) Click(d, "optStyle_1");
    Child<QComboBox>(d, "cboStretch")->setEditText(QString::fromLatin1(c.magnification));
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
  const int size = PictureSize(c.magnification);
  const Rect place = PlacePicture(size, page.width(), page.height());
  const Surface expected = RenderPageBlock(PagePicture(Doc().WorkingImage, Doc().TransparentColor), place,
                                           Rect::FromSize(0, 0, page.width(), page.height()));
  auto want = [&](int x, int y) { return expected.Contains(x, y) ? expected.GetPixel(x, y) : kWhite; };
  // The whole page: white all around the picture's square (at the page's own
  // resolution poppler may blend the square's last row or column into the next).
  const Rect ring{place.left - 1, place.top - 1, place.right + 1, place.bottom + 1};
  int wrong = 0;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 0; x < shown.Width(); ++x)
      if (!ring.Contains(x, y) && shown.GetPixel(x, y) != kWhite && ++wrong <= 5)
        ADD_FAILURE() << "page pixel " << x << "," << y << ": " << std::hex << shown.GetPixel(x, y);
  EXPECT_EQ(wrong, 0);

  // The picture's corners (the whole picture when small), its middle and its
  // left edge three quarters down the page (in the second band when clipped),
  // read where poppler copies pixels exactly: each image pixel over its own
  // square, transparent ones white, and white paper right outside.
  const int cell = size / 32;
  const Rect pageRect = Rect::FromSize(0, 0, page.width(), page.height());
  for (Rect crop : {Rect::FromSize(place.left - 2, place.top - 2, 3 * cell + 4, 2 * cell + 4),
                    Rect::FromSize(place.right - cell - 2, place.bottom - cell - 2, cell + 4, cell + 4),
                    Rect::FromSize(place.left + size / 2 - cell, place.top + size / 2 - cell, 2 * cell, 2 * cell),
                    Rect::FromSize(place.left - 2, page.height() * 3 / 4 - 2, cell + 4, 4)}) {
    if (size <= 64) crop = ring;
    crop = crop.Intersected(pageRect);
    if (crop.IsEmpty()) continue;
    const Surface exact = Rasterise(pdf, 4, crop);
    ASSERT_EQ(exact.Width(), crop.Width());
    for (int y = 0; y < crop.Height(); ++y)
      for (int x = 0; x < crop.Width(); ++x)
        ASSERT_EQ(exact.GetPixel(x, y), want(crop.left + x, crop.top + y))
            << "page pixel " << crop.left + x << "," << crop.top + y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintToPdfTest,
    ::testing::Values(PageCase{"Portrait5000", "5000%", false}, PageCase{"Portrait100", "100%", false},
                      PageCase{"Landscape300", "300%", true},
                      // Taller than a landscape page: clipped at top and bottom, drawn in bands.
                      PageCase{"Landscape10000Clipped", "10000%", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintDialogTest, AMagnificationWithoutSizeIsRefusedWithTheReason) {
  RunDialog([&](PrintDialog& d) {
    Child<QComboBox>(d, "cboStretch")->setEditText(QStringLiteral("Stretch"));
    Click(d, "cmdPrint");
    EXPECT_TRUE(d.isVisible()) << "the preview stays for another choice";
    d.reject();
  });
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(prompter.messages[0].text, QString::fromStdString(PrintRefusal("Stretch")));
}

TEST_F(PrintDialogTest, DecliningOrAFailedWriteKeepsThePreviewOpen) {
  const QString missing = Path("no such folder/page.pdf");
  prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
  prompter.saveNames.push_back(missing);
  RunDialog([&](PrintDialog& d) {
    Click(d, "cmdPrint");  // No: nothing is written
    EXPECT_TRUE(d.isVisible());
    Click(d, "cmdPrint");  // Yes, into a folder that is not there
    EXPECT_TRUE(d.isVisible());
    d.reject();
  });
  ASSERT_EQ(prompter.messages.size(), 3u);
  EXPECT_EQ(prompter.messages[0].text, "No printer is set up on this computer.\nSave the page as a PDF file instead?");
  EXPECT_EQ(prompter.messages[2].icon, Icon::Critical);
  EXPECT_EQ(prompter.messages[2].text, missing + ": No such file or directory");
  EXPECT_FALSE(QFileInfo::exists(missing));
}

}  // namespace
}  // namespace gs::ui::test
