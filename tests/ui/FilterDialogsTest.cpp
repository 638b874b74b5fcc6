#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "FilterUiSupport.h"
#include "filters/Crystallize.h"
#include "filters/Duotone.h"
#include "filters/Resample.h"
#include "filters/Scatter.h"
#include "filters/Transforms.h"
#include "support/ScriptedPrompter.h"
#include "ui/ColourSwatch.h"
#include "ui/MainWindow.h"

namespace gs::ui {
namespace {

using namespace test;

class FilterDialogsTest : public ::testing::Test {
 protected:
  ScriptedPrompter prompter;
  MainWindow window{&prompter};
  Document& doc = window.Doc();

  void SetUp() override {
    doc.WorkingImage = Numbered();
    window.RePaint();
  }
  // Runs `script` inside the modal dialog the entry opens.
  void Run(const char* action, std::function<int(QDialog&)> script) {
    prompter.dialogs.push_back(std::move(script));
    window.Action(QString::fromLatin1(action))->trigger();
    EXPECT_TRUE(prompter.dialogs.empty()) << action;
  }
  Surface Shown() { return FromQImage(window.Preview()->image()); }
};

TEST_F(FilterDialogsTest, RotationDialogIsModelessAndAppliesTheAngleWithTheBackColour) {
  window.SetBackColour(Rgb(0, 0, 255));
  auto* button = window.findChild<QToolButton*>(QStringLiteral("tbAROT"));
  EXPECT_EQ(button->toolTip(), QStringLiteral("Rotate Arbitray Angle"));
  button->click();
  auto* dialog = Child<QDialog>(window, "frmRotate");
  ASSERT_TRUE(dialog && dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Rotation Settings"));
  auto* angle = Child<QScrollBar>(*dialog, "scrAngle");
  EXPECT_EQ(angle->maximum(), 360);
  angle->setValue(45);
  EXPECT_EQ(Child<QLabel>(*dialog, "txtAngle")->text(), QStringLiteral("45"));
  // The window stays usable: a flip while the dialog is open is rotated too.
  window.Action("mnuFlip_1")->trigger();
  Child<QPushButton>(*dialog, "cmdApply")->click();
  Surface expected = Numbered();
  MirrorLeftRight(expected);
  RotateByAngle(expected, 45, Rgb(0, 0, 255));
  EXPECT_EQ(doc.WorkingImage, expected);
  EXPECT_EQ(Shown(), expected);
  EXPECT_FALSE(dialog->isVisible());
  // Opened again it starts at 0; Cancel changes nothing.
  window.Action("mnuRotate_3")->trigger();
  EXPECT_EQ(angle->value(), 0);
  angle->setValue(90);
  Child<QPushButton>(*dialog, "cmdCancel")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(doc.WorkingImage, expected);
}

TEST_F(FilterDialogsTest, AdjustDimensionsStartsFromTheSelectionAndPreviewsTheTypedRectangle) {
  doc.Selection = {4, 6, 12, 10};
  doc.SelectionActive = true;
  const Document before = doc;
  Run("mnuEffects_0", [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("  Adjust Dimensions"));
    for (auto [field, text] : {std::pair{"txtNewWidth", "8"}, {"txtNewHeight", "4"}, {"txtOffX", "4"}, {"txtOffY", "6"}})
      EXPECT_EQ(Child<QLineEdit>(dialog, field)->text(), QString::fromLatin1(text)) << field;
    EXPECT_EQ(Shows(dialog, "picOrg"), Numbered());
    EXPECT_EQ(Shows(dialog, "picSample"), Numbered());  // cleared, then drawn back in place
    Type(dialog, "txtNewWidth", "-8");
    Type(dialog, "txtNewHeight", "4.5px");  // the leading number, halves to even
    Type(dialog, "txtOffX", "27");
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawResample(before, {-8, 4, 27, 6}));
    return Click(dialog, "cmdOK");
  });
  EXPECT_EQ(doc.WorkingImage, ReDrawResample(before, {-8, 4, 27, 6}));
  EXPECT_EQ(Shown(), doc.WorkingImage);
  EXPECT_FALSE(doc.SelectionActive);
}

// Cancel leaves the image, the selection and the undo state as they were.
TEST_F(FilterDialogsTest, CancelChangesNothingInAnyDialog) {
  doc.Selection = {1, 1, 9, 9};
  doc.SelectionActive = true;
  const std::pair<const char*, const char*> dialogs[] = {
      {"mnuEffects_0", "cmdCancel"}, {"mnuEffects_4", "cmdCancel"}, {"mnuEffects_5", "cmdCancel"},
      {"mnuEffects_8", "Command2"}};
  for (const auto& [action, cancel] : dialogs) {
    Run(action, [cancel = cancel](QDialog& dialog) {
      if (auto* slider = dialog.findChild<QSlider*>(QStringLiteral("Slider1"))) slider->setValue(slider->maximum());
      return Click(dialog, cancel);
    });
    EXPECT_EQ(doc.WorkingImage, Numbered()) << action;
    EXPECT_TRUE(doc.SelectionActive) << action;
    EXPECT_FALSE(doc.UndoAvailable()) << action;
  }
}

TEST_F(FilterDialogsTest, DuotoneStartsRedAndItsButtonPicksAnotherColour) {
  prompter.colours = {std::nullopt, QColor(0, 255, 255)};  // cancelled, then cyan
  Run("mnuEffects_5", [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("DuoTone"));
    auto* swatch = Child<ColourSwatch>(dialog, "picDuoColor");
    EXPECT_EQ(swatch->colour(), kInitialDuotoneColour);
    EXPECT_EQ(dialog.focusWidget(), Child<QPushButton>(dialog, "cmdOK"));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawDuo(doc, kInitialDuotoneColour));
    Child<QPushButton>(dialog, "cmdColor")->click();
    EXPECT_EQ(swatch->colour(), kInitialDuotoneColour);
    Child<QPushButton>(dialog, "cmdColor")->click();
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawDuo(doc, Rgb(0, 255, 255)));
    return Click(dialog, "cmdOK");
  });
  Document reference;
  reference.WorkingImage = Numbered();
  EXPECT_EQ(doc.WorkingImage, ReDrawDuo(reference, Rgb(0, 255, 255)));
  EXPECT_EQ(Shown(), doc.WorkingImage);
}

TEST_F(FilterDialogsTest, ScatterPreviewFollowsTheFieldTheSliderAndShowEnds) {
  doc.Selection = {0, 0, 32, 5};
  doc.SelectionActive = true;
  const Document before = doc;
  Run("mnuEffects_4", [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Scatter Effect Settings"));
    auto* slider = Child<QSlider>(dialog, "Slider1");
    EXPECT_EQ(std::tuple(slider->minimum(), slider->maximum(), slider->value()), std::tuple(1, 10, 1));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 3, false));  // the field's "3", not the slider's 1
    slider->setValue(5);
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtIntense")->text(), QStringLiteral("5"));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 5, false));
    Child<QCheckBox>(dialog, "chkEnds")->click();
    Type(dialog, "txtIntense", "2");
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 2, true));
    return Click(dialog, "cmdOK");
  });
  EXPECT_EQ(doc.WorkingImage, ReDrawQuake(before, 2, true));
  EXPECT_FALSE(doc.SelectionActive);
}

TEST_F(FilterDialogsTest, CrystallizeAppliesTheSlidersBlockSize) {
  Run("mnuEffects_8", [&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Crystallize Settings"));
    auto* slider = Child<QSlider>(dialog, "Slider1");
    EXPECT_EQ(std::tuple(slider->minimum(), slider->maximum(), slider->value()), std::tuple(2, 7, 2));
    slider->setValue(7);
    return Click(dialog, "Command1");
  });
  Surface expected = Numbered();
  CrystallizeBlocks(Numbered(), 32, 32, 7, expected);
  EXPECT_EQ(doc.WorkingImage, expected);
  EXPECT_EQ(Shown(), expected);
}

}  // namespace
}  // namespace gs::ui
