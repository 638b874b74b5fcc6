#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "filters/Crystallize.h"
#include "filters/Duotone.h"
#include "filters/Resample.h"
#include "filters/Scatter.h"
#include "filters/Transforms.h"
#include "support/ScriptedPrompter.h"
#include "ui/ColourSwatch.h"
#include "ui/MainWindow.h"
#include "ui/SurfaceImage.h"
#include "ui/SurfaceView.h"

namespace gs::ui {
namespace {

Surface Numbered() {
  Surface s(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) s.SetPixel(x, y, Rgb(x * 7 + 1, y * 7 + 1, 0x40));
  return s;
}

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

Surface Shows(QWidget& dialog, const char* box) { return FromQImage(Child<SurfaceView>(dialog, box)->image()); }

void Type(QWidget& dialog, const char* field, const char* text) {
  auto* edit = Child<QLineEdit>(dialog, field);
  edit->clear();
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

class FilterDialogsTest : public ::testing::Test {
 protected:
  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};
  Document& doc = window.Doc();

  void SetUp() override {
    doc.WorkingImage = Numbered();
    window.RePaint();
  }
  // Queues what the test does inside the next modal dialog.
  void InDialog(std::function<int(QDialog&)> script) { prompter.dialogs.push_back(std::move(script)); }
  static int Click(QDialog& dialog, const char* button) {
    Child<QPushButton>(dialog, button)->click();
    return dialog.result();
  }
  Surface Shown() { return FromQImage(window.Preview()->image()); }
};

TEST_F(FilterDialogsTest, RotationDialogIsModelessAndAppliesTheAngleWithTheBackColour) {
  window.SetBackColour(Rgb(0, 0, 255));
  auto* button = window.findChild<QToolButton*>(QStringLiteral("tbAROT"));
  EXPECT_EQ(button->toolTip(), QStringLiteral("Rotate Arbitray Angle"));
  button->click();
  auto* dialog = Child<QDialog>(window, "frmRotate");
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Rotation Settings"));
  auto* angle = Child<QScrollBar>(*dialog, "scrAngle");
  auto* shown = Child<QLabel>(*dialog, "txtAngle");
  EXPECT_EQ(angle->minimum(), 0);
  EXPECT_EQ(angle->maximum(), 360);
  EXPECT_EQ(shown->text(), QStringLiteral("0"));
  angle->setValue(45);
  EXPECT_EQ(shown->text(), QStringLiteral("45"));

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
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(angle->value(), 0);
  angle->setValue(90);
  Child<QPushButton>(*dialog, "cmdCancel")->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(doc.WorkingImage, expected);
}

TEST_F(FilterDialogsTest, AdjustDimensionsPreviewsTheTypedRectangleAndAppliesOnOK) {
  InDialog([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmResample"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("  Adjust Dimensions"));
    for (auto [field, text] : {std::pair{"txtNewWidth", "32"}, {"txtNewHeight", "32"}, {"txtOffX", "0"}, {"txtOffY", "0"}})
      EXPECT_EQ(Child<QLineEdit>(dialog, field)->text(), QString::fromLatin1(text)) << field;
    EXPECT_EQ(Shows(dialog, "picOrg"), Numbered());
    EXPECT_EQ(Shows(dialog, "picSample"), Numbered());
    Type(dialog, "txtNewWidth", "16");
    Type(dialog, "txtNewHeight", "16.5px");  // the leading number, halves to even
    Type(dialog, "txtOffX", "8");
    Type(dialog, "txtOffY", "8");
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawResample(doc, {16, 16, 8, 8}));
    EXPECT_EQ(doc.WorkingImage, Numbered());
    return Click(dialog, "cmdOK");
  });
  window.Action("mnuEffects_0")->trigger();
  Document reference;
  reference.WorkingImage = Numbered();
  EXPECT_EQ(doc.WorkingImage, ReDrawResample(reference, {16, 16, 8, 8}));
  EXPECT_EQ(Shown(), doc.WorkingImage);
  EXPECT_TRUE(prompter.dialogs.empty());
}

TEST_F(FilterDialogsTest, AdjustDimensionsStartsFromTheSelectionAndClearsIt) {
  doc.Selection = {4, 6, 12, 10};
  doc.SelectionActive = true;
  InDialog([&](QDialog& dialog) {
    for (auto [field, text] : {std::pair{"txtNewWidth", "8"}, {"txtNewHeight", "4"}, {"txtOffX", "4"}, {"txtOffY", "6"}})
      EXPECT_EQ(Child<QLineEdit>(dialog, field)->text(), QString::fromLatin1(text)) << field;
    EXPECT_EQ(Shows(dialog, "picSample"), Numbered());  // cleared, then drawn back in place
    Type(dialog, "txtNewWidth", "-8");
    Type(dialog, "txtOffX", "27");
    return Click(dialog, "cmdOK");
  });
  window.Action("mnuEffects_0")->trigger();
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_EQ(doc.WorkingImage.GetPixel(5, 7), doc.TransparentColor);
  EXPECT_EQ(doc.WorkingImage.GetPixel(27, 6), Numbered().GetPixel(4, 6));  // mirrored
  EXPECT_EQ(doc.WorkingImage.GetPixel(20, 6), Numbered().GetPixel(11, 6));
}

// Cancel leaves the image, the selection and the undo state as they were.
TEST_F(FilterDialogsTest, CancelChangesNothingInAnyDialog) {
  doc.Selection = {1, 1, 9, 9};
  doc.SelectionActive = true;
  const struct {
    const char* action;
    const char* cancel;
  } dialogs[] = {{"mnuEffects_0", "cmdCancel"}, {"mnuEffects_4", "cmdCancel"}, {"mnuEffects_5", "cmdCancel"},
                 {"mnuEffects_8", "Command2"}};
  for (const auto& d : dialogs) {
    InDialog([&](QDialog& dialog) {
      if (auto* slider = dialog.findChild<QSlider*>(QStringLiteral("Slider1"))) slider->setValue(slider->maximum());
      return Click(dialog, d.cancel);
    });
    window.Action(QString::fromLatin1(d.action))->trigger();
    EXPECT_EQ(doc.WorkingImage, Numbered()) << d.action;
    EXPECT_TRUE(doc.SelectionActive) << d.action;
    EXPECT_FALSE(doc.UndoAvailable()) << d.action;
  }
  EXPECT_TRUE(prompter.dialogs.empty());
}

TEST_F(FilterDialogsTest, DuotoneStartsRedAndItsButtonPicksAnotherColour) {
  doc.WorkingImage.SetPixel(0, 0, doc.TransparentColor);
  prompter.colours.push_back(std::nullopt);           // the colour dialog cancelled
  prompter.colours.push_back(QColor(0, 255, 255));    // then cyan chosen
  InDialog([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("DuoTone"));
    auto* swatch = Child<ColourSwatch>(dialog, "picDuoColor");
    EXPECT_EQ(swatch->colour(), kInitialDuotoneColour);
    EXPECT_EQ(dialog.focusWidget(), Child<QPushButton>(dialog, "cmdOK"));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawDuo(doc, kInitialDuotoneColour));
    Child<QPushButton>(dialog, "cmdColor")->click();
    EXPECT_EQ(swatch->colour(), kInitialDuotoneColour);
    Child<QPushButton>(dialog, "cmdColor")->click();
    EXPECT_EQ(swatch->colour(), Rgb(0, 255, 255));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawDuo(doc, Rgb(0, 255, 255)));
    return Click(dialog, "cmdOK");
  });
  window.Action("mnuEffects_5")->trigger();
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), doc.TransparentColor);
  EXPECT_EQ(doc.WorkingImage.GetPixel(3, 4), Numbered().GetPixel(3, 4) & Rgb(0, 255, 255));
  EXPECT_EQ(Shown(), doc.WorkingImage);
  EXPECT_TRUE(prompter.colours.empty());
}

TEST_F(FilterDialogsTest, ScatterPreviewFollowsTheFieldTheSliderAndShowEnds) {
  doc.Selection = {0, 0, 32, 5};
  doc.SelectionActive = true;
  InDialog([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Scatter Effect Settings"));
    auto* slider = Child<QSlider>(dialog, "Slider1");
    auto* intensity = Child<QLineEdit>(dialog, "txtIntense");
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 10);
    EXPECT_EQ(slider->value(), 1);
    EXPECT_EQ(intensity->text(), QStringLiteral("3"));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 3, false));
    slider->setValue(5);
    EXPECT_EQ(intensity->text(), QStringLiteral("5"));
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 5, false));
    Child<QCheckBox>(dialog, "chkEnds")->click();
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 5, true));
    Type(dialog, "txtIntense", "2");
    EXPECT_EQ(Shows(dialog, "picSample"), ReDrawQuake(doc, 2, true));
    return Click(dialog, "cmdOK");
  });
  const Surface expected = ReDrawQuake(doc, 2, true);
  window.Action("mnuEffects_4")->trigger();
  EXPECT_EQ(doc.WorkingImage, expected);
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_EQ(Shown(), expected);
}

TEST_F(FilterDialogsTest, CrystallizeAppliesTheSlidersBlockSize) {
  InDialog([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Crystallize Settings"));
    auto* slider = Child<QSlider>(dialog, "Slider1");
    EXPECT_EQ(slider->minimum(), 2);
    EXPECT_EQ(slider->maximum(), 7);
    EXPECT_EQ(slider->value(), 2);
    slider->setValue(7);
    return Click(dialog, "Command1");
  });
  window.Action("mnuEffects_8")->trigger();
  Surface expected = Numbered();
  CrystallizeBlocks(Numbered(), 32, 32, 7, expected);
  EXPECT_EQ(doc.WorkingImage, expected);
  EXPECT_EQ(Shown(), expected);
  EXPECT_TRUE(doc.UndoAvailable());
}

}  // namespace
}  // namespace gs::ui
