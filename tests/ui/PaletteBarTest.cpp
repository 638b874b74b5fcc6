// The palette panel: basic and custom swatches, the indicator and the
// transparent swatch.

#include <QColorDialog>

#include "ToolUiSupport.h"
#include "raster/Depth.h"
#include "ui/ColourSwatch.h"

namespace gs::ui::test {
namespace {

class PaletteUiTest : public ::testing::Test {
 protected:
  template <typename T = ColourSwatch>
  T* Find(const QString& name) const {
    T* w = window.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  Colour Fore() { return window.State().ForeColour; }
  Colour Back() { return window.State().BackColour; }

  ScriptedPrompter prompter;
  MainWindow window{&prompter};
};

TEST_F(PaletteUiTest, IndicatorStartsBlackOnWhiteWithItsTooltip) {
  EXPECT_EQ(Find("picLeftButton")->colour(), 0x000000u);
  EXPECT_EQ(Find("picRightButton")->colour(), 0xFFFFFFu);
  EXPECT_EQ(Find("picLeftButton")->toolTip(), QStringLiteral("Right Click To Paint With Backcolor"));
  EXPECT_EQ(Find("picRightButton")->toolTip(), QStringLiteral("Right Click To Paint With Backcolor"));
  EXPECT_EQ(Find("Picture2")->colour(), 0xE0E0E0u);
}

TEST_F(PaletteUiTest, BasicSwatchesChooseOnButtonDown) {
  ColourSwatch* blue = Find("picCX_5");
  EXPECT_EQ(blue->colour(), 0x00FF0000u);
  QTest::mousePress(blue, Qt::LeftButton);
  EXPECT_EQ(Fore(), 0x00FF0000u);
  EXPECT_EQ(Find("picLeftButton")->colour(), 0x00FF0000u);
  QTest::mouseRelease(blue, Qt::LeftButton);
  QTest::mousePress(Find("picCX_19"), Qt::RightButton);
  EXPECT_EQ(Back(), 0x00400040u);
  QTest::mouseRelease(Find("picCX_19"), Qt::RightButton);
  QTest::mousePress(Find("picCX_0"), Qt::MiddleButton);
  QTest::mouseRelease(Find("picCX_0"), Qt::MiddleButton);
  EXPECT_EQ(Fore(), 0x00FF0000u);
  EXPECT_EQ(Back(), 0x00400040u);
}

TEST_F(PaletteUiTest, BasicSwatchesStandInTwoColumnsOfTen) {
  for (int i = 0; i < 20; ++i) {
    ColourSwatch* s = Find(QStringLiteral("picCX_%1").arg(i));
    EXPECT_EQ(s->x(), Find(QStringLiteral("picCX_%1").arg(i < 10 ? 0 : 10))->x()) << i;
    EXPECT_EQ(s->y(), Find(QStringLiteral("picCX_%1").arg(i % 10))->y()) << i;
  }
  EXPECT_LT(Find("picCX_0")->x(), Find("picCX_10")->x());
  EXPECT_LT(Find("picCX_0")->y(), Find("picCX_1")->y());
}

TEST_F(PaletteUiTest, CustomSlotsStartWithTheStandardTableAndFourExtras) {
  const std::vector<Colour> standard = DefaultColourTable(4);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Find(QStringLiteral("picColor_%1").arg(i))->colour(), standard[i]) << i;
  const Colour extras[] = {0x00004080, 0x000080FF, 0x003F9AB0, 0x00CCA50D};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Find(QStringLiteral("picColor_%1").arg(16 + i))->colour(), extras[i]);
  // Blocks of four: left column top and bottom, then right column.
  EXPECT_EQ(Find("picColor_1")->x(), Find("picColor_0")->x());
  EXPECT_GT(Find("picColor_1")->y(), Find("picColor_0")->y());
  EXPECT_GT(Find("picColor_2")->x(), Find("picColor_0")->x());
  EXPECT_EQ(Find("picColor_2")->y(), Find("picColor_0")->y());
  EXPECT_GT(Find("picColor_4")->y(), Find("picColor_1")->y());
  for (int i = 0; i < QColorDialog::customCount(); ++i) EXPECT_EQ(QColorDialog::customColor(i), QColor(Qt::black));
}

TEST_F(PaletteUiTest, CustomSwatchesChooseOnButtonUp) {
  ColourSwatch* slot = Find("picColor_12");  // blue in the standard table
  QTest::mousePress(slot, Qt::LeftButton);
  EXPECT_EQ(Fore(), 0x000000u);
  QTest::mouseRelease(slot, Qt::LeftButton);
  EXPECT_EQ(Fore(), slot->colour());
  QTest::mousePress(Find("picColor_17"), Qt::RightButton);
  QTest::mouseRelease(Find("picColor_17"), Qt::RightButton);
  EXPECT_EQ(Back(), 0x000080FFu);
  QTest::mousePress(Find("picColor_3"), Qt::MiddleButton);
  QTest::mouseRelease(Find("picColor_3"), Qt::MiddleButton);
  EXPECT_EQ(Fore(), slot->colour());
  EXPECT_EQ(Back(), 0x000080FFu);
}

TEST_F(PaletteUiTest, TransparentSwatchLetsThePencilPaintTransparentPixels) {
  window.SetTransparentColour(0x00AA00);
  ColourSwatch* swatch = Find("picColor_20");
  EXPECT_EQ(swatch->colour(), 0x00AA00u);
  QTest::mousePress(swatch, Qt::LeftButton);
  QTest::mouseRelease(swatch, Qt::LeftButton);
  EXPECT_EQ(Fore(), 0x00AA00u);
  window.Doc().WorkingImage.Fill(0x0000FF);
  QTest::mousePress(window.View(), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseRelease(window.View(), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(window.Doc().WorkingImage.GetPixel(0, 0), 0x00AA00u);
  // A double click on it opens no dialog.
  QTest::mouseDClick(swatch, Qt::LeftButton);
}

TEST_F(PaletteUiTest, DoubleClickRedefinesOnlyThatSlotUnlessCancelled) {
  std::vector<Colour> before;
  for (int i = 0; i < 20; ++i) before.push_back(Find(QStringLiteral("picColor_%1").arg(i))->colour());
  prompter.colours.push_back(std::nullopt);
  QTest::mouseDClick(Find("picColor_7"), Qt::LeftButton);
  EXPECT_EQ(Find("picColor_7")->colour(), before[7]);
  prompter.colours.push_back(QColor(1, 2, 3));
  QTest::mouseDClick(Find("picColor_18"), Qt::LeftButton);
  for (int i = 0; i < 20; ++i)
    EXPECT_EQ(Find(QStringLiteral("picColor_%1").arg(i))->colour(), i == 18 ? Rgb(1, 2, 3) : before[i]) << i;
  EXPECT_TRUE(prompter.colours.empty());
}

}  // namespace
}  // namespace gs::ui::test
