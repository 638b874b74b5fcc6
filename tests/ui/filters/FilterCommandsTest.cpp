#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "filters/ColourOperations.h"
#include "filters/Crystallize.h"
#include "filters/Duotone.h"
#include "filters/Resample.h"
#include "filters/Scatter.h"
#include "filters/ShadeRect.h"
#include "filters/Transforms.h"
#include "support/FilterTestSupport.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceImage.h"
#include "ui/main/SurfaceView.h"
#include "ui/support/ScriptedPrompter.h"

namespace gs::ui {
namespace {

using namespace gs::test;

const Colour kFore = NumberedColour(5, 7);  // a pixel inside the selection
constexpr Colour kBack = Rgb(0, 0, 255);

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}
Surface Shows(QWidget& parent, const char* box) { return FromQImage(Child<SurfaceView>(parent, box)->image()); }
void Type(QWidget& dialog, const char* field, const char* text) { Child<QLineEdit>(dialog, field)->setText(text); }
int Click(QDialog& dialog, const char* button) {
  Child<QPushButton>(dialog, button)->click();
  return dialog.result();
}

class FilterUiTest : public ::testing::Test {
 protected:
  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};
  Document& doc = window.Doc();

  void SetUp() override {
    doc.WorkingImage = Numbered();
    doc.Selection = {4, 6, 12, 10};
    doc.SelectionActive = true;
    window.SetForeColour(kFore);
    window.SetBackColour(kBack);
    prompter.colours = {std::nullopt, QColor(0, 255, 255)};  // the duotone button: cancelled, then cyan
  }
  void TearDown() override { EXPECT_TRUE(prompter.dialogs.empty()) << "a scripted dialog never opened"; }
  void Trigger(const char* action) { window.Action(QString::fromLatin1(action))->trigger(); }
  void InDialog(const char* action, std::function<int(QDialog&)> script) {
    prompter.dialogs.push_back(std::move(script));
    Trigger(action);
  }
  void ExpectShown(const Surface& expected) {
    EXPECT_EQ(doc.WorkingImage, expected);
    EXPECT_EQ(FromQImage(window.Preview()->image()), expected);
  }
};

struct EntryCase {
  const char* action;
  const char* button;  // the toolbar twin, if any
  void (*expected)(Document&);
  int (*dialog)(QDialog&) = nullptr;  // sets the dialog's controls and confirms
};

class FilterEntryTest : public FilterUiTest, public ::testing::WithParamInterface<EntryCase> {};

// Each entry (or its button, which names the mirrors the other way round)
// changes the image as its command does with the window's colours, the
// palette's highlight or its dialog's settings (previewed there first), and
// repaints the window.
TEST_P(FilterEntryTest, RunsItsCommandAndRepaints) {
  const EntryCase& c = GetParam();
  Document expected = doc;
  c.expected(expected);
  if (c.dialog)
    prompter.dialogs.push_back([&](QDialog& dialog) {
      const int result = c.dialog(dialog);
      auto* preview = dialog.findChild<SurfaceView*>(QStringLiteral("picSample"));  // Crystallize has none
      if (preview) {
        EXPECT_EQ(FromQImage(preview->image()), expected.WorkingImage) << "preview";
      }
      return result;
    });
  if (auto* button = c.button ? Child<QToolButton>(window, c.button) : nullptr) {
    button->click();
  } else {
    Trigger(c.action);
  }
  ExpectShown(expected.WorkingImage);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FilterEntryTest,
    ::testing::Values(
        EntryCase{"mnuFlip_0", "tbFlipv", [](Document& d) { FlipCommand(d, Mirror::UpsideDown); }},
        EntryCase{"mnuFlip_1", "tbFliph", [](Document& d) { FlipCommand(d, Mirror::LeftRight); }},
        EntryCase{"mnuRotate_0", "tbCW", [](Document& d) { RotateCommand(d, QuarterTurn::Clockwise); }},
        EntryCase{"mnuRotate_1", "tbACW", [](Document& d) { RotateCommand(d, QuarterTurn::Counterclockwise); }},
        EntryCase{"mnuRotate_2", "tbSROT", [](Document& d) { RotateCommand(d, QuarterTurn::HalfTurn); }},
        EntryCase{"mnuEffects_6", "tbScolor", [](Document& d) { ReplaceColor(d, kFore, kBack); }},
        EntryCase{"mnuEffects_3", nullptr, InterchangeColors},
        EntryCase{"mnuConvert_2", nullptr, [](Document& d) { ReduceColours(d, ColourReduction::Colours256); }},
        EntryCase{"mnuEffects_9", nullptr,
                  [](Document& d) { ShadeCommand(d, FromQColor(QApplication::palette().color(QPalette::Highlight))); }},
        // Typed fields are read by their leading number, halves to even.
        EntryCase{"mnuEffects_0", nullptr, [](Document& d) { ApplyResample(d, {-8, 4, 27, 6}); },
                  [](QDialog& d) {
                    Type(d, "txtNewWidth", "-8"); Type(d, "txtNewHeight", "4.5px"); Type(d, "txtOffX", "27");
                    return Click(d, "cmdOK");
                  }},
        EntryCase{"mnuEffects_5", nullptr, [](Document& d) { ApplyDuotone(d, Rgb(0, 255, 255)); },
                  [](QDialog& d) { Click(d, "cmdColor"); Click(d, "cmdColor"); return Click(d, "cmdOK"); }},
        EntryCase{"mnuEffects_4", nullptr, [](Document& d) { ApplyScatter(d, 2, true); },
                  [](QDialog& d) {
                    Child<QSlider>(d, "Slider1")->setValue(2); Child<QCheckBox>(d, "chkEnds")->click();
                    return Click(d, "cmdOK");
                  }},
        EntryCase{"mnuEffects_8", nullptr, [](Document& d) { Crystal(d, 7); },
                  [](QDialog& d) { Child<QSlider>(d, "Slider1")->setValue(7); return Click(d, "Command1"); }}),
    [](const auto& info) { return std::string(info.param.action); });

TEST_F(FilterUiTest, RotationDialogIsModelessAndAppliesTheAngleWithTheBackColour) {
  window.SetBackColour(0);
  auto* button = Child<QToolButton>(window, "tbAROT");
  button->click();
  auto* dialog = Child<QDialog>(window, "frmRotate");
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(dialog->isModal());
  auto* angle = Child<QScrollBar>(*dialog, "scrAngle");
  angle->setValue(45);
  window.SetBackColour(kBack);  // the window stays usable; Apply takes the colour of its moment
  Click(*dialog, "cmdApply");
  Surface expected = Numbered();
  RotateByAngle(expected, 45, kBack);
  ExpectShown(expected);
  Trigger("mnuRotate_3");  // opens again
  angle->setValue(90);
  Click(*dialog, "cmdCancel");
  EXPECT_FALSE(dialog->isVisible());
  ExpectShown(expected);
}

// Cancel, after any change, leaves the image, the selection and the undo state
// as they were.
TEST_F(FilterUiTest, CancelChangesNothing) {
  InDialog("mnuEffects_0", [&](QDialog& d) { Type(d, "txtNewWidth", "2"); return Click(d, "cmdCancel"); });
  InDialog("mnuEffects_5", [&](QDialog& d) { Click(d, "cmdColor"); return Click(d, "cmdCancel"); });
  InDialog("mnuEffects_4", [&](QDialog& d) {
    Child<QSlider>(d, "Slider1")->setValue(10);
    return Click(d, "cmdCancel");
  });
  InDialog("mnuEffects_8", [&](QDialog& d) {
    Child<QSlider>(d, "Slider1")->setValue(7);
    return Click(d, "Command2");
  });
  prompter.dialogs.push_back([](QDialog& d) { Type(d, "txtText", "Ab"); return Click(d, "cmdCancel"); });
  window.RunTextTool(2, 2, kBack);
  EXPECT_EQ(doc.WorkingImage, Numbered());
  EXPECT_TRUE(doc.SelectionActive);
  EXPECT_FALSE(doc.UndoAvailable());
}

// A right-button press of the Text tool at pixel (5, 20) opens the dialog there in the back
// colour. The controls redraw the result; Set stamps the text from that corner in that one colour.
TEST_F(FilterUiTest, TextToolStampsAtThePressedPixelInTheButtonsColour) {
  doc.WorkingImage = Surface(32, 32, kT);
  Child<QToolButton>(window, "optTool_7")->click();
  Surface result;
  prompter.dialogs.push_back([&](QDialog& dialog) {
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtOffX")->text() + ',' + Child<QLineEdit>(dialog, "txtOffY")->text(), "5,20");
    auto* sizes = Child<QComboBox>(dialog, "cmbFontSize");
    // A face every test machine has, so the glyphs are certain to draw.
    auto* fonts = Child<QComboBox>(dialog, "cmbFonts");
    fonts->setCurrentIndex(std::max(0, fonts->findText(QStringLiteral("DejaVu Sans"))));
    const Surface blank = Shows(dialog, "picResult");
    Type(dialog, "txtText", "Hi");
    result = Shows(dialog, "picResult");
    EXPECT_NE(result, blank);
    sizes->setEditText(QStringLiteral("99999"));  // clipped and drawn, not hung
    sizes->setCurrentIndex(4);
    return Click(dialog, "cmdApply");
  });
  auto* view = Child<QWidget>(window, "picIcon");
  const QPoint pixel = QPointF(5.5 * view->width() / 32, 20.5 * view->height() / 32).toPoint();
  QTest::mousePress(view, Qt::RightButton, {}, pixel);
  QTest::mouseRelease(view, Qt::RightButton, {}, pixel);
  ExpectShown(result);
  const auto& pixels = result.Pixels();
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), kT) + std::count(pixels.begin(), pixels.end(), kBack), 32 * 32);
  EXPECT_EQ(result.Copy({0, 0, 32, 20}), Surface(32, 20, kT));  // nothing above or left of the corner
  EXPECT_EQ(result.Copy({0, 20, 5, 32}), Surface(5, 12, kT));
}

}  // namespace
}  // namespace gs::ui
