#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
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
  std::string Label(const QString& name) const { return Child<QLabel>(name)->text().toStdString(); }
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

TEST_F(ColorPalette, OpensOnceOnHueSaturationAndBlackAndClosingDiscardsIt) {
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(Label("lblZ"), "Z Axis: Luminance");
  auto* combo2 = Child<QComboBox>("Combo2");
  EXPECT_EQ(Child<QComboBox>("Combo1")->currentText(), "Hue");
  EXPECT_EQ(combo2->currentText() + "/" + combo2->itemText(1), "Saturation/Luminance");
  EXPECT_EQ(State(), "0 0 0 0 0 0 0 0 | 0 0 0 0 0 0 120");
  EXPECT_FALSE(Marker()->isVisible());
  EXPECT_EQ(CubePixel(0, 0), qRgb(127, 127, 127) & 0xFFFFFF);  // saturation 0 along the top

  Type("txtRed", "99");
  EXPECT_EQ(Open(), dialog);  // brought forward, not made again
  QTest::keyClick(dialog, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(dialog = Open(), nullptr);  // closing discarded the old one
  EXPECT_EQ(State(), "0 0 0 0 0 0 0 0 | 0 0 0 0 0 0 120");
}

TEST_F(ColorPalette, EveryEntryUpdatesEveryOtherView) {
  Type("txtRed", "255");
  EXPECT_EQ(State(), "255 0 0 0 240 120 255 FF | 255 0 0 0 240 120 120");
  Type("txtColorHEX", "ff0000");  // the user's own text stays
  EXPECT_EQ(State(), "0 0 255 159 240 120 16711680 ff0000 | 0 0 255 159 240 120 120");
  EXPECT_EQ(Child<ColourSwatch>("pctColor")->colour(), 0xFF0000u);
  Type("txtHue", "79");
  EXPECT_EQ(State(), "4 255 0 79 240 120 65284 FF04 | 4 255 0 79 240 120 120");
  Child<QAbstractSlider>("HSRed")->setValue(10);
  EXPECT_EQ(State(), "10 255 0 78 240 120 65290 FF0A | 10 255 0 78 240 120 120");
}

// Every caption fits its text, sits inside its frame below the frame's title
// and overlaps no other control; the widest value of each box and every button
// caption fit; and every caption reads on its ground (or carries a halo).
TEST_F(ColorPalette, EveryCaptionAndFieldFitsAndReadsOnItsGround) {
  auto inDialog = [&](const QWidget* w) { return QRect(w->mapTo(dialog, QPoint(0, 0)), w->size()); };
  std::vector<QWidget*> controls;  // the dialog's own controls, not the parts of a combo box or a box
  for (QWidget* w : dialog->findChildren<QWidget*>())
    if (w->isVisible() && !qobject_cast<QGroupBox*>(w) &&
        (w->parentWidget() == dialog || qobject_cast<QGroupBox*>(w->parentWidget())))
      controls.push_back(w);
  int captions = 0;
  for (QWidget* w : controls) {
    auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->text().isEmpty()) continue;
    ++captions;
    const std::string text = label->text().toStdString();
    const QFontMetrics metrics = label->fontMetrics();
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width()) << text;
    EXPECT_LE(metrics.height(), label->contentsRect().height()) << text;
    for (QWidget* other : controls) {
      EXPECT_TRUE(other == w || !inDialog(w).intersects(inDialog(other)))
          << text << " overlaps " << other->objectName().toStdString() << " " << other->metaObject()->className();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(label->parentWidget())) {
      EXPECT_TRUE(frame->contentsRect().contains(label->geometry())) << text << " crosses its frame";
    }
    const double contrast = ContrastRatio(label->palette().color(label->foregroundRole()),
                                          label->palette().color(label->backgroundRole()));
    auto* caption = qobject_cast<CaptionLabel*>(label);
    EXPECT_TRUE(contrast >= CaptionLabel::kReadableContrast || (caption && caption->Halo().isValid()))
        << text << " reads at " << contrast << ":1";
  }
  EXPECT_EQ(captions, 14);

  const std::pair<const char*, const char*> widest[] = {
      {"txtColor", "16777215"}, {"txtColorHEX", "FFFFFF"}, {"txtRed", "255"}, {"txtGreen", "255"}, {"txtBlue", "255"},
      {"txtHue", "239"},        {"txtSat", "240"},         {"txtLum", "240"}};
  for (const auto& [name, text] : widest) {
    QLineEdit* box = Child(name);
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    EXPECT_LE(box->fontMetrics().horizontalAdvance(text) + 2 * frame + 4, box->width()) << name;
  }
  for (auto* button : dialog->findChildren<QPushButton*>()) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + margin, button->width())
        << button->text().toStdString();
  }
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

TEST_F(ColorPalette, MinusOneWritesItsHexThenFailsAtTheRedSlider) {
  Type("txtColor", "4210752");
  Child("txtColor")->setText("-1");
  EXPECT_EQ(State(), "64 64 64 0 0 60 -1! FFFFFFFF | 64 64 64 0 0 60 120");
}

TEST_F(ColorPalette, ClickingTheRgbSquareReadsThePixelAndPlacesTheMarker) {
  Choose("Combo1", "Red");
  Choose("Combo2", "Green");
  Mouse(QEvent::MouseButtonPress, QPoint(0, 0), Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(State(), "0 0 128 159 240 60 8388608 800000 | 0 0 128 159 240 60 128");
  // Dragging off the square reads -1 and marks the box; back inside recovers.
  Mouse(QEvent::MouseMove, QPoint(-5, 60), Qt::NoButton, Qt::LeftButton);
  EXPECT_TRUE(IsRed("txtColor"));
  Mouse(QEvent::MouseMove, QPoint(3, 6), Qt::NoButton, Qt::LeftButton);
  EXPECT_FALSE(Marker()->isVisible());
  Mouse(QEvent::MouseButtonRelease, QPoint(3, 6), Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(IsRed("txtColor"));
  EXPECT_EQ(dialog->DialogColour(), Rgb(5, 10, 128));
  EXPECT_TRUE(Marker()->isVisible());
  EXPECT_EQ(MarkerAim(), QPoint(3, 6));
  Mouse(QEvent::MouseButtonPress, QPoint(90, 90), Qt::RightButton, Qt::RightButton);
  EXPECT_EQ(dialog->DialogColour(), Rgb(5, 10, 128));  // the right button picks nothing
}

// The square follows the axes even when Z keeps its value (120 for both).
TEST_F(ColorPalette, ChangingTheAxesRepaintsEvenWhenZStays) {
  Choose("Combo2", "Luminance");
  EXPECT_EQ(Label("lblZ"), "Z Axis: Saturation");
  EXPECT_EQ(Slider("HSZ"), 120);
  EXPECT_EQ(CubePixel(70, 0), 0u);  // luminance 0 along the top
  EXPECT_EQ(CubePixel(0, 72), qRgb(191, 63, 63) & 0xFFFFFF);
}

TEST_F(ColorPalette, DraggedZWaitsForRefresh) {
  auto* z = Child<QAbstractSlider>("HSZ");
  z->setSliderDown(true);
  z->setSliderPosition(0);  // dragging the thumb
  EXPECT_EQ(Label("lblZVal"), "0");
  EXPECT_EQ(CubePixel(0, 0), qRgb(127, 127, 127) & 0xFFFFFF);
  QTest::mouseClick(Child<QLabel>("lblUpdateSquare"), Qt::LeftButton);
  EXPECT_EQ(CubePixel(0, 0), 0u);
}

TEST_F(ColorPalette, SetColorPutsZAndTheMarkerOnThePixelShowingTheColour) {
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
