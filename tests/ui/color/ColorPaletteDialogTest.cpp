#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/color/ColorPaletteDialog.h"
#include "ui/color/ColorPaletteDialogWidgets.h"
#include "ui/main/ColourSwatch.h"
#include "ui/main/MainWindow.h"
#include "ui/support/ScriptedPrompter.h"

namespace gs::ui {
namespace {

const QStringList kBoxes = {"txtRed", "txtGreen", "txtBlue", "txtHue", "txtSat", "txtLum", "txtColor", "txtColorHEX"};
const QStringList kSliders = {"HSRed", "HSGreen", "HSBlue", "HSHue", "HSSat", "HSLum", "HSZ"};

class ColorPalette : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_NE(dialog = Open(), nullptr);
  }
  ColorPaletteDialog* Open() {
    QTest::mouseClick(window.findChild<QPushButton*>("cmdPalette"), Qt::LeftButton);
    return window.findChild<ColorPaletteDialog*>("frmColor");
  }
  template <typename T = QLineEdit>
  T* Child(const QString& name) const {
    T* child = dialog->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
  }
  int Slider(const QString& name) const { return Child<QAbstractSlider>(name)->value(); }
  bool IsRed(const QString& box) const { return Child(box)->palette().color(QPalette::Text) == QColor(Qt::red); }
  // Every box's text, "!" marking a red one, then every slider's value.
  std::string State(const QString& skip = {}) const {
    std::string s;
    for (const QString& b : kBoxes)
      if (b != skip) s += Child(b)->text().toStdString() + (IsRed(b) ? "! " : " ");
    s += "|";
    for (const QString& n : kSliders) s += " " + std::to_string(Slider(n));
    return s;
  }
  // Types as the user does: the whole text replaced, one key at a time.
  void Type(const QString& box, const QString& text) {
    Child(box)->selectAll();
    QTest::keyClicks(Child(box), text);
  }
  void Choose(const QString& combo, const QString& entry) {
    auto* c = Child<QComboBox>(combo);
    c->setCurrentIndex(c->findText(entry));
    emit c->activated(c->currentIndex());
  }
  // QTest takes the point (0, 0) for "the middle", so the square gets its events directly.
  void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
    auto* cube = Child<ColourSquareView>("pctCube");
    QMouseEvent event(type, QPointF(p), cube->mapToGlobal(QPointF(p)), button, held, {});
    QApplication::sendEvent(cube, &event);
  }
  QRgb CubePixel(int x, int y) const { return Child<ColourSquareView>("pctCube")->Image().pixel(x, y) & 0xFFFFFF; }
  QLabel* Marker() const { return Child<QLabel>("imgSelColor"); }
  QPoint MarkerAim() const { return Marker()->pos() + QPoint(1, 1) * ColourSquareView::kMarkerAim; }

  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};
  ColorPaletteDialog* dialog = nullptr;
};

TEST_F(ColorPalette, EveryEntryUpdatesEveryOtherView) {
  Type("txtRed", "255");
  EXPECT_EQ(State(), "255 0 0 0 240 120 255 FF | 255 0 0 0 240 120 120");
  Type("txtColorHEX", "ff0000");  // the user's own text stays
  EXPECT_EQ(State(), "0 0 255 159 240 120 16711680 ff0000 | 0 0 255 159 240 120 120");
  EXPECT_EQ(Child<ColourSwatch>("pctColor")->colour(), 0xFF0000u);
  Child<QAbstractSlider>("HSRed")->setValue(10);
  EXPECT_EQ(State(), "10 0 255 160 240 120 16711690 FF000A | 10 0 255 160 240 120 120");
}

// A bad entry turns only its box red and changes nothing else; the next good
// entry clears the red. Boxes refuse what they cannot read (a hexadecimal value
// above white, a fraction) and values beyond their slider.
TEST_F(ColorPalette, ABadEntryTurnsOnlyItsBoxRedAndChangesNothingElse) {
  for (const auto& [box, text] : {std::pair{"txtColorHEX", "1000000"}, {"txtRed", "2.5"}, {"txtHue", "240"}}) {
    SCOPED_TRACE(box);
    Type("txtColorHEX", "3366CC");
    const std::string before = State(box);
    Child(box)->setText(text);
    EXPECT_TRUE(IsRed(box));
    EXPECT_EQ(State(box), before);
    EXPECT_EQ(dialog->DialogColour(), 0x3366CCu);
    Child(box)->setText("51");
    EXPECT_FALSE(IsRed(box));
  }
}

TEST_F(ColorPalette, ClickingTheRgbSquareReadsThePixelAndPlacesTheMarker) {
  Choose("Combo1", "Red");
  Choose("Combo2", "Green");
  Mouse(QEvent::MouseButtonPress, QPoint(0, 0), Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(State(), "0 0 128 159 240 60 8388608 800000 | 0 0 128 159 240 60 128");
  Mouse(QEvent::MouseMove, QPoint(3, 6), Qt::NoButton, Qt::LeftButton);
  EXPECT_FALSE(Marker()->isVisible());
  Mouse(QEvent::MouseButtonRelease, QPoint(3, 6), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(dialog->DialogColour(), Rgb(5, 10, 128));
  EXPECT_TRUE(Marker()->isVisible());
  EXPECT_EQ(MarkerAim(), QPoint(3, 6));
  Mouse(QEvent::MouseButtonPress, QPoint(90, 90), Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(dialog->DialogColour(), Rgb(5, 10, 128));  // the right button picks nothing
}

// The square follows the axes even when Z keeps its value (120 for both); a
// dragged Z waits for Refresh; Set Color puts Z and the marker on the pixel
// showing the colour.
TEST_F(ColorPalette, TheSquareFollowsTheAxesZAndSetColor) {
  Choose("Combo2", "Luminance");
  EXPECT_EQ(Slider("HSZ"), 120);
  EXPECT_EQ(CubePixel(70, 0), 0u);  // luminance 0 along the top
  EXPECT_EQ(CubePixel(0, 72), qRgb(191, 63, 63) & 0xFFFFFF);

  auto* z = Child<QAbstractSlider>("HSZ");
  z->setSliderDown(true);
  z->setSliderPosition(0);  // dragging the thumb
  EXPECT_EQ(CubePixel(0, 72), qRgb(191, 63, 63) & 0xFFFFFF);
  QTest::mouseClick(Child<QLabel>("lblUpdateSquare"), Qt::LeftButton);
  EXPECT_EQ(CubePixel(0, 72), qRgb(127, 127, 127) & 0xFFFFFF);  // saturation 0: grey
  z->setSliderDown(false);

  Choose("Combo1", "Green");
  Choose("Combo2", "Blue");
  Type("txtColor", QString::number(Rgb(200, 100, 50)));
  QTest::mouseClick(Child<QLabel>("lblShowColor"), Qt::LeftButton);
  EXPECT_EQ(Slider("HSZ"), 200);
  ASSERT_TRUE(Marker()->isVisible());
  EXPECT_EQ(dialog->Square().ColourAt(MarkerAim().x(), MarkerAim().y()), std::int32_t(Rgb(200, 100, 50)));
}

// Image pixels keep their colour when the transparent colour changes.
TEST_F(ColorPalette, SetAsButtonsHandTheColourToTheMainWindow) {
  window.Doc().WorkingImage.SetPixel(3, 3, window.Doc().TransparentColor);
  const Surface pixels = window.Doc().WorkingImage;
  const auto setAs = [&](const QString& hex, const QString& button) {
    Type("txtColorHEX", hex);
    QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
  };
  setAs("123456", "cmdForecolor");
  setAs("ABCDEF", "cmdBackcolor");
  setAs("FEDCBA", "cmdTransparent");
  EXPECT_EQ(window.State().ForeColour, 0x123456u);
  EXPECT_EQ(window.State().BackColour, 0xABCDEFu);
  EXPECT_EQ(window.Doc().TransparentColor, 0xFEDCBAu);
  EXPECT_EQ(window.TransparentSwatch()->colour(), 0xFEDCBAu);
  EXPECT_EQ(window.Doc().WorkingImage, pixels);
}

}  // namespace
}  // namespace gs::ui
