// The palette panel: basic and custom swatches, indicator, transparent swatch.

#include "ui/tools/ToolUiSupport.h"

namespace gs::ui::test {
namespace {

class PaletteUiTest : public ToolUiTest {
 protected:
  ColourSwatch* Swatch(const QString& name) { return Find<ColourSwatch>(name); }
  ColourSwatch* Custom(int slot) { return Swatch(QStringLiteral("picColor_%1").arg(slot)); }
  Colour Fore() { return window->State().ForeColour; }
  Colour Back() { return window->State().BackColour; }
  // The second press of a double click, then its release (else QTest keeps the button held).
  void DoubleClick(QWidget* w) { QTest::mouseDClick(w, Qt::LeftButton); QTest::mouseRelease(w, Qt::LeftButton); }
};

// Basic swatches choose on button-down, custom ones on button-up; the middle
// button chooses nothing.
TEST_F(PaletteUiTest, SwatchesChooseTheForeColourWithLeftAndTheBackWithRight) {
  QTest::mousePress(Swatch("picCX_5"), Qt::LeftButton);
  EXPECT_EQ(Fore(), Swatch("picCX_5")->colour());
  EXPECT_EQ(Swatch("picLeftButton")->colour(), Fore());
  QTest::mouseRelease(Swatch("picCX_5"), Qt::LeftButton);
  QTest::mouseClick(Swatch("picCX_19"), Qt::RightButton);
  EXPECT_EQ(Back(), Swatch("picCX_19")->colour());
  QTest::mousePress(Custom(10), Qt::LeftButton);
  EXPECT_EQ(Fore(), Swatch("picCX_5")->colour());
  QTest::mouseRelease(Custom(10), Qt::LeftButton);
  EXPECT_EQ(Fore(), Custom(10)->colour());
  QTest::mouseClick(Custom(17), Qt::RightButton);
  EXPECT_EQ(Back(), Custom(17)->colour());
  QTest::mouseClick(Swatch("picCX_0"), Qt::MiddleButton);
  QTest::mouseClick(Custom(3), Qt::MiddleButton);
  EXPECT_EQ(std::make_pair(Fore(), Back()), std::make_pair(Custom(10)->colour(), Custom(17)->colour()));
}

TEST_F(PaletteUiTest, TransparentSwatchLetsThePencilPaintTransparentPixels) {
  window->SetTransparentColour(0x00AA00);
  QTest::mouseClick(Swatch("picColor_20"), Qt::RightButton);
  EXPECT_EQ(Back(), 0x00AA00u);
  image().Fill(kRed);
  Press(3, 3, Qt::RightButton);
  Release(3, 3, Qt::RightButton);
  EXPECT_EQ(image().GetPixel(3, 3), 0x00AA00u);
  DoubleClick(Swatch("picColor_20"));  // opens no colour dialog
}

TEST_F(PaletteUiTest, DoubleClickRedefinesOnlyThatSlotUnlessCancelled) {
  std::vector<Colour> before;
  for (int i = 0; i < 20; ++i) before.push_back(Custom(i)->colour());
  prompter.colours = {std::nullopt, QColor(1, 2, 3)};
  DoubleClick(Custom(7));
  DoubleClick(Custom(18));
  before[18] = Rgb(1, 2, 3);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Custom(i)->colour(), before[i]) << i;
}

}  // namespace
}  // namespace gs::ui::test
