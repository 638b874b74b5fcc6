#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "support/ScriptedPrompter.h"
#include "ui/ColorPaletteDialog.h"
#include "ui/ColorPaletteDialogWidgets.h"
#include "ui/ColourSwatch.h"
#include "ui/MainWindow.h"

namespace gs::ui {
namespace {

const QStringList kBoxes = {"txtRed", "txtGreen", "txtBlue", "txtHue", "txtSat", "txtLum", "txtColor", "txtColorHEX"};
const QStringList kSliders = {"HSRed", "HSGreen", "HSBlue", "HSHue", "HSSat", "HSLum", "HSZ"};

class ColorPalette : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    dialog = Open();
    ASSERT_NE(dialog, nullptr);
  }

  ColorPaletteDialog* Open() {
    QTest::mouseClick(window.findChild<QPushButton*>("cmdPalette"), Qt::LeftButton);
    return window.findChild<ColorPaletteDialog*>("frmColor");
  }

  template <typename T = QWidget>
  T* Child(const QString& name) const {
    T* child = dialog->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  QLineEdit* Box(const QString& name) const { return Child<QLineEdit>(name); }
  std::string BoxText(const QString& name) const { return Box(name)->text().toStdString(); }
  std::string LabelText(const QString& name) const { return Child<QLabel>(name)->text().toStdString(); }
  bool IsRed(const QString& name) const { return Box(name)->palette().color(QPalette::Text) == QColor(Qt::red); }
  int Slider(const QString& name) const { return Child<QAbstractSlider>(name)->value(); }
  Colour Swatch(const QString& name) const { return Child<ColourSwatch>(name)->colour(); }

  // Types into a box as the user does: the whole text replaced, one key at a time.
  void Type(const QString& name, const QString& text) {
    Box(name)->selectAll();
    QTest::keyClicks(Box(name), text);
  }
  void Choose(const QString& combo, const QString& entry) {
    auto* c = Child<QComboBox>(combo);
    const int index = c->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    c->setCurrentIndex(index);
    emit c->activated(index);
  }
  // QTest takes the point (0, 0) for "the middle", so the square gets its events directly.
  void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
    auto* cube = Child<ColourSquareView>("pctCube");
    QMouseEvent event(type, QPointF(p), cube->mapToGlobal(QPointF(p)), button, held, {});
    QApplication::sendEvent(cube, &event);
  }
  void ClickCube(QPoint p) {
    Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
  }
  QRgb CubePixel(int x, int y) const { return Child<ColourSquareView>("pctCube")->Image().pixel(x, y) & 0xFFFFFF; }

  // Every box's text and colour and every slider, to show what an entry left alone.
  struct Snapshot {
    std::vector<std::string> texts;
    std::vector<bool> red;
    std::vector<int> sliders;
    Colour colour;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take(const QString& except = {}) const {
    Snapshot s;
    for (const QString& b : kBoxes) {
      if (b == except) continue;
      s.texts.push_back(BoxText(b));
      s.red.push_back(IsRed(b));
    }
    for (const QString& n : kSliders) s.sliders.push_back(Slider(n));
    s.colour = dialog->DialogColour();
    return s;
  }

  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};
  ColorPaletteDialog* dialog = nullptr;
};

TEST_F(ColorPalette, OpensModelessWithHueSaturationSquareAndBlack) {
  EXPECT_EQ(dialog->windowTitle().toStdString(), " Color Palette");
  EXPECT_FALSE(dialog->isModal());
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->AxisOrder(), "HSL");
  EXPECT_EQ(LabelText("lblZ"), "Z Axis: Luminance");
  EXPECT_EQ(Child<QAbstractSlider>("HSZ")->maximum(), 240);
  EXPECT_EQ(Slider("HSZ"), 120);
  EXPECT_EQ(LabelText("lblZVal"), "120");
  EXPECT_EQ(Child<QComboBox>("Combo1")->currentText().toStdString(), "Hue");
  auto* combo2 = Child<QComboBox>("Combo2");
  ASSERT_EQ(combo2->count(), 2);
  EXPECT_EQ(combo2->itemText(1).toStdString(), "Luminance");
  EXPECT_EQ(combo2->currentText().toStdString(), "Saturation");
  for (const QString& b : kBoxes) {
    EXPECT_EQ(BoxText(b), "0") << b.toStdString();
    EXPECT_FALSE(IsRed(b)) << b.toStdString();
  }
  EXPECT_EQ(dialog->DialogColour(), 0u);
  EXPECT_FALSE(Child<QLabel>("imgSelColor")->isVisible());
  // Saturation 0 along the top: the grey of luminance 120.
  EXPECT_EQ(CubePixel(0, 0), qRgb(127, 127, 127) & 0xFFFFFF);
}

TEST_F(ColorPalette, ShowingAgainBringsTheSameDialogAndClosingDiscardsIt) {
  Type("txtRed", "99");
  EXPECT_EQ(Open(), dialog);
  EXPECT_EQ(window.findChildren<ColorPaletteDialog*>().size(), 1);
  QTest::keyClick(dialog, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.findChild<ColorPaletteDialog*>("frmColor"), nullptr);
  dialog = Open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(BoxText("txtRed"), "0");
  EXPECT_EQ(dialog->DialogColour(), 0u);
}

TEST_F(ColorPalette, TypingRedUpdatesEveryOtherView) {
  Type("txtRed", "255");
  EXPECT_EQ(Slider("HSRed"), 255);
  EXPECT_EQ(BoxText("txtColor"), "255");
  EXPECT_EQ(BoxText("txtColorHEX"), "FF");
  EXPECT_EQ(BoxText("txtHue"), "0");
  EXPECT_EQ(BoxText("txtSat"), "240");
  EXPECT_EQ(BoxText("txtLum"), "120");
  EXPECT_EQ(Slider("HSSat"), 240);
  EXPECT_EQ(dialog->DialogColour(), 0x0000FFu);
  EXPECT_EQ(Swatch("pctColor"), 0x0000FFu);
  EXPECT_EQ(Swatch("pctRed"), 0x0000FFu);
}

TEST_F(ColorPalette, HexEntrySetsBlueAndTheDecimalForm) {
  Type("txtColorHEX", "ff0000");
  EXPECT_EQ(Slider("HSBlue"), 255);
  EXPECT_EQ(Slider("HSRed"), 0);
  EXPECT_EQ(Slider("HSGreen"), 0);
  EXPECT_EQ(BoxText("txtBlue"), "255");
  EXPECT_EQ(BoxText("txtColor"), "16711680");
  EXPECT_EQ(BoxText("txtColorHEX"), "ff0000");  // the user's own text stays
  EXPECT_EQ(BoxText("txtHue"), "159");
  EXPECT_EQ(dialog->DialogColour(), 0xFF0000u);
}

TEST_F(ColorPalette, HslBoxesDriveTheRgbSide) {
  Type("txtSat", "240");
  Type("txtLum", "120");
  EXPECT_EQ(dialog->DialogColour(), 0x0000FFu);
  Type("txtHue", "79");
  EXPECT_EQ(BoxText("txtRed"), "4");
  EXPECT_EQ(BoxText("txtGreen"), "255");
  EXPECT_EQ(Slider("HSGreen"), 255);
  EXPECT_EQ(BoxText("txtColor"), std::to_string(0xFF04));
  EXPECT_EQ(BoxText("txtColorHEX"), "FF04");
  EXPECT_EQ(BoxText("txtHue"), "79");
  // Moving a slider rewrites its own box too.
  Child<QAbstractSlider>("HSRed")->setValue(10);
  EXPECT_EQ(BoxText("txtRed"), "10");
  EXPECT_EQ(BoxText("txtColorHEX"), "FF0A");
}

struct BadEntry {
  const char* box;
  const char* text;
  const char* name;
};

class ColorPaletteBadEntry : public ColorPalette, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(ColorPaletteBadEntry, TurnsOnlyThatBoxRedAndChangesNothingElse) {
  Type("txtColorHEX", "3366CC");
  const QString box = GetParam().box;
  const Snapshot before = Take(box);
  Box(box)->setText(GetParam().text);
  EXPECT_TRUE(IsRed(box));
  EXPECT_EQ(Take(box), before);
  // The next good entry in the box clears the red.
  Box(box)->setText("51");
  EXPECT_FALSE(IsRed(box));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ColorPaletteBadEntry,
    ::testing::Values(BadEntry{"txtColorHEX", "1000000", "HexAboveWhite"}, BadEntry{"txtRed", "2.5", "Fraction"},
                      BadEntry{"txtRed", "300", "AboveTheSlider"}, BadEntry{"txtColor", "16777216", "AboveWhite"},
                      BadEntry{"txtGreen", "", "Empty"}, BadEntry{"txtHue", "240", "HueAbove239"},
                      BadEntry{"txtLum", "-1", "BelowTheSlider"}, BadEntry{"txtColorHEX", "0x33", "HexPrefix"},
                      BadEntry{"txtColor", "-99999999999", "BelowTheHexRange"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorPalette, MinusOneWritesItsHexThenFailsAtTheRedSlider) {
  Type("txtColor", "4210752");
  Box("txtColor")->setText("-1");
  EXPECT_EQ(BoxText("txtColorHEX"), "FFFFFFFF");
  EXPECT_TRUE(IsRed("txtColor"));
  EXPECT_EQ(Slider("HSRed"), 64);
  EXPECT_EQ(dialog->DialogColour(), 0x404040u);
}

TEST_F(ColorPalette, ClickingTheRgbSquareReadsThePixelAndPlacesTheMarker) {
  Choose("Combo1", "Red");
  EXPECT_EQ(dialog->AxisOrder(), "HSL");  // nothing changes until the vertical axis is chosen
  EXPECT_EQ(Child<QComboBox>("Combo2")->currentIndex(), -1);
  Choose("Combo2", "Green");
  EXPECT_EQ(dialog->AxisOrder(), "RGB");
  EXPECT_EQ(LabelText("lblZ"), "Z Axis: Blue");
  EXPECT_EQ(Slider("HSZ"), 128);
  EXPECT_EQ(LabelText("lblZVal"), "128");

  ClickCube(QPoint(0, 0));
  EXPECT_EQ(BoxText("txtColor"), "8388608");
  EXPECT_EQ(Slider("HSBlue"), 128);
  EXPECT_EQ(dialog->DialogColour(), Rgb(0, 0, 128));
  auto* marker = Child<QLabel>("imgSelColor");
  EXPECT_TRUE(marker->isVisible());
  EXPECT_EQ(marker->pos(), QPoint(-ColourSquareView::kMarkerAim, -ColourSquareView::kMarkerAim));

  // Dragging off the square reads -1 and marks the box; back inside recovers.
  Mouse(QEvent::MouseButtonPress, QPoint(30, 60), Qt::LeftButton, Qt::LeftButton);
  EXPECT_FALSE(marker->isVisible());
  Mouse(QEvent::MouseMove, QPoint(-5, 60), Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(BoxText("txtColor"), "-1");
  EXPECT_TRUE(IsRed("txtColor"));
  Mouse(QEvent::MouseMove, QPoint(3, 6), Qt::NoButton, Qt::LeftButton);
  EXPECT_FALSE(IsRed("txtColor"));
  EXPECT_EQ(dialog->DialogColour(), Rgb(5, 10, 128));
  Mouse(QEvent::MouseButtonRelease, QPoint(3, 6), Qt::LeftButton, Qt::NoButton);
  EXPECT_TRUE(marker->isVisible());
  // The right button picks nothing.
  Mouse(QEvent::MouseButtonPress, QPoint(90, 90), Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(dialog->DialogColour(), Rgb(5, 10, 128));
}

// The square follows the axes even when Z keeps its value (120 for both).
TEST_F(ColorPalette, ChangingTheAxesRepaintsEvenWhenZStays) {
  Choose("Combo2", "Luminance");
  EXPECT_EQ(dialog->AxisOrder(), "HLS");
  EXPECT_EQ(LabelText("lblZ"), "Z Axis: Saturation");
  EXPECT_EQ(Slider("HSZ"), 120);
  EXPECT_EQ(CubePixel(70, 0), 0u);  // luminance 0 along the top
  EXPECT_EQ(CubePixel(0, 72), qRgb(191, 63, 63) & 0xFFFFFF);
}

TEST_F(ColorPalette, ZRepaintsWhenLetGoAndRefreshCatchesUp) {
  auto* z = Child<QAbstractSlider>("HSZ");
  z->setValue(0);  // a click or key: repaints at once
  EXPECT_EQ(dialog->AxisZ(), 0);
  EXPECT_EQ(LabelText("lblZVal"), "0");
  EXPECT_EQ(CubePixel(0, 0), 0u);
  z->setSliderDown(true);
  z->setSliderPosition(240);  // dragging the thumb
  EXPECT_EQ(LabelText("lblZVal"), "240");
  EXPECT_EQ(dialog->AxisZ(), 240);
  EXPECT_EQ(CubePixel(0, 0), 0u);
  QTest::mouseClick(Child<QLabel>("lblUpdateSquare"), Qt::LeftButton);
  EXPECT_EQ(CubePixel(0, 0), 0xFFFFFFu);
}

TEST_F(ColorPalette, SetColorPutsZAndTheMarkerOnThePixelShowingTheColour) {
  Choose("Combo1", "Green");
  Choose("Combo2", "Blue");
  Type("txtColor", QString::number(Rgb(200, 100, 50)));
  EXPECT_FALSE(Child<QLabel>("imgSelColor")->isVisible());
  QTest::mouseClick(Child<QLabel>("lblShowColor"), Qt::LeftButton);
  EXPECT_EQ(Slider("HSZ"), 200);
  EXPECT_EQ(dialog->AxisZ(), 200);
  auto* marker = Child<QLabel>("imgSelColor");
  ASSERT_TRUE(marker->isVisible());
  const QPoint aim = marker->pos() + QPoint(ColourSquareView::kMarkerAim, ColourSquareView::kMarkerAim);
  EXPECT_EQ(dialog->Square().ColourAt(aim.x(), aim.y()), static_cast<std::int32_t>(Rgb(200, 100, 50)));
  EXPECT_EQ(dialog->DialogColour(), Rgb(200, 100, 50));
}

TEST_F(ColorPalette, SetAsButtonsHandTheColourToTheMainWindow) {
  window.Doc().WorkingImage.SetPixel(3, 3, window.Doc().TransparentColor);
  const Surface pixels = window.Doc().WorkingImage;
  Type("txtColorHEX", "123456");
  const Colour c = 0x123456;
  QTest::mouseClick(Child<QPushButton>("cmdForecolor"), Qt::LeftButton);
  EXPECT_EQ(window.State().ForeColour, c);
  EXPECT_EQ(window.State().BackColour, 0xFFFFFFu);
  Type("txtColorHEX", "ABCDEF");
  QTest::mouseClick(Child<QPushButton>("cmdBackcolor"), Qt::LeftButton);
  EXPECT_EQ(window.State().BackColour, 0xABCDEFu);
  EXPECT_EQ(window.State().ForeColour, c);
  QTest::mouseClick(Child<QPushButton>("cmdTransparent"), Qt::LeftButton);
  EXPECT_EQ(window.Doc().TransparentColor, 0xABCDEFu);
  EXPECT_EQ(window.TransparentSwatch()->colour(), 0xABCDEFu);
  EXPECT_EQ(window.Doc().WorkingImage, pixels);
}

}  // namespace
}  // namespace gs::ui
