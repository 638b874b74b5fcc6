// The palette panel: basic and custom swatches, the indicator and the
// transparent swatch.

#include <QColorDialog>

#include "ToolUiSupport.h"
#include "raster/Depth.h"

namespace gs::ui::test {
namespace {

class PaletteUiTest : public ToolUiTest {
 protected:
  ColourSwatch* Swatch(const QString& name) { return Find<ColourSwatch>(name); }
  Colour Fore() { return window->State().ForeColour; }
  Colour Back() { return window->State().BackColour; }
};

TEST(PaletteStart, IndicatorIsBlackOverWhiteAndCustomColoursBlack) {
  ScriptedPrompter prompter;
  MainWindow window(&prompter);
  for (const char* name : {"picLeftButton", "picRightButton"})
    EXPECT_EQ(window.findChild<QWidget*>(name)->toolTip(), QStringLiteral("Right Click To Paint With Backcolor"));
  EXPECT_EQ(window.findChild<ColourSwatch*>("picLeftButton")->colour(), 0x000000u);
  EXPECT_EQ(window.findChild<ColourSwatch*>("picRightButton")->colour(), 0xFFFFFFu);
  for (int i = 0; i < QColorDialog::customCount(); ++i) EXPECT_EQ(QColorDialog::customColor(i), QColor(Qt::black));
}

TEST_F(PaletteUiTest, BasicSwatchesChooseOnButtonDown) {
  QTest::mousePress(Swatch("picCX_5"), Qt::LeftButton);
  EXPECT_EQ(Fore(), 0x00FF0000u);
  EXPECT_EQ(Swatch("picLeftButton")->colour(), 0x00FF0000u);
  QTest::mouseRelease(Swatch("picCX_5"), Qt::LeftButton);
  QTest::mouseClick(Swatch("picCX_19"), Qt::RightButton);
  EXPECT_EQ(Back(), 0x00400040u);
  QTest::mouseClick(Swatch("picCX_0"), Qt::MiddleButton);
  EXPECT_EQ(Fore(), 0x00FF0000u);
  EXPECT_EQ(Back(), 0x00400040u);
  EXPECT_EQ(Swatch("picCX_10")->x(), Swatch("picCX_19")->x());  // two columns of ten
  EXPECT_EQ(Swatch("picCX_9")->y(), Swatch("picCX_19")->y());
}

TEST_F(PaletteUiTest, CustomSwatchesStartFromTheStandardTableAndChooseOnButtonUp) {
  const std::vector<Colour> standard = DefaultColourTable(4);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Swatch(QStringLiteral("picColor_%1").arg(i))->colour(), standard[i]);
  EXPECT_EQ(Swatch("picColor_19")->colour(), 0x00CCA50Du);
  EXPECT_GT(Swatch("picColor_1")->y(), Swatch("picColor_0")->y());  // blocks of four, left column first
  EXPECT_GT(Swatch("picColor_2")->x(), Swatch("picColor_1")->x());
  QTest::mousePress(Swatch("picColor_12"), Qt::LeftButton);
  EXPECT_EQ(Fore(), kRed);
  QTest::mouseRelease(Swatch("picColor_12"), Qt::LeftButton);
  EXPECT_EQ(Fore(), standard[12]);
  QTest::mouseClick(Swatch("picColor_17"), Qt::RightButton);
  EXPECT_EQ(Back(), 0x000080FFu);
  QTest::mouseClick(Swatch("picColor_3"), Qt::MiddleButton);
  EXPECT_EQ(Fore(), standard[12]);
}

TEST_F(PaletteUiTest, TransparentSwatchLetsThePencilPaintTransparentPixels) {
  window->SetTransparentColour(0x00AA00);
  QTest::mouseClick(Swatch("picColor_20"), Qt::RightButton);
  EXPECT_EQ(Back(), 0x00AA00u);
  image().Fill(kRed);
  Press(3, 3, Qt::RightButton);
  Release(3, 3, Qt::RightButton);
  EXPECT_EQ(image().GetPixel(3, 3), 0x00AA00u);
  QTest::mouseDClick(Swatch("picColor_20"), Qt::LeftButton);  // opens no dialog
}

TEST_F(PaletteUiTest, DoubleClickRedefinesOnlyThatSlotUnlessCancelled) {
  std::vector<Colour> before;
  for (int i = 0; i < 20; ++i) before.push_back(Swatch(QStringLiteral("picColor_%1").arg(i))->colour());
  prompter.colours = {std::nullopt, QColor(1, 2, 3)};
  QTest::mouseDClick(Swatch("picColor_7"), Qt::LeftButton);
  QTest::mouseDClick(Swatch("picColor_18"), Qt::LeftButton);
  before[18] = Rgb(1, 2, 3);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Swatch(QStringLiteral("picColor_%1").arg(i))->colour(), before[i]) << i;
  EXPECT_TRUE(prompter.colours.empty());
}

}  // namespace
}  // namespace gs::ui::test
