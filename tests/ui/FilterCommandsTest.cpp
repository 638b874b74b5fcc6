#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include "document/TransparentBlit.h"
#include "filters/Transforms.h"
#include "support/ScriptedPrompter.h"
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

class FilterCommandsTest : public ::testing::Test {
 protected:
  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};

  void SetUp() override {
    window.Doc().WorkingImage = Numbered();
    window.RePaint();
  }
  QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(QString::fromLatin1(name)); }
  // What the actual-size preview shows, so a missing repaint shows up.
  Surface Shown() { return FromQImage(window.Preview()->image()); }
};

TEST_F(FilterCommandsTest, EveryFilterEntryIsEnabled) {
  QStringList names;
  for (int i : {0, 3, 4, 5, 6, 8, 9}) names << QStringLiteral("mnuEffects_%1").arg(i);
  for (int i = 0; i < 2; ++i) names << QStringLiteral("mnuFlip_%1").arg(i);
  for (int i = 0; i < 4; ++i) names << QStringLiteral("mnuRotate_%1").arg(i);
  for (int i = 0; i < 3; ++i) names << QStringLiteral("mnuConvert_%1").arg(i);
  for (const QString& name : names) {
    ASSERT_NE(window.Action(name), nullptr) << name.toStdString();
    EXPECT_TRUE(window.Action(name)->isEnabled()) << name.toStdString();
  }
}

struct ButtonCase {
  const char* button;
  const char* tooltip;
  void (*expected)(Surface&);
};

class TransformButtonTest : public FilterCommandsTest, public ::testing::WithParamInterface<ButtonCase> {};

// The toolbar names the two mirrors the other way round from the menu.
TEST_P(TransformButtonTest, RunsItsTransformOnTheWholeImageAndRepaints) {
  window.Doc().Selection = {2, 2, 5, 5};
  window.Doc().SelectionActive = true;
  QToolButton* button = Button(GetParam().button);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip().toStdString(), GetParam().tooltip);
  ASSERT_TRUE(button->isEnabled());
  button->click();
  Surface expected = Numbered();
  GetParam().expected(expected);
  EXPECT_EQ(window.Doc().WorkingImage, expected);
  EXPECT_EQ(Shown(), expected);
  EXPECT_TRUE(window.Doc().SelectionActive);
  EXPECT_FALSE(window.Doc().Modified);
  EXPECT_TRUE(window.Action("mnuEdit_0")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Toolbar, TransformButtonTest,
    ::testing::Values(ButtonCase{"tbFlipv", "Flip Image Vertically", MirrorUpsideDown},
                      ButtonCase{"tbFliph", "Flip Image Horizontally", MirrorLeftRight},
                      ButtonCase{"tbCW", "Rotate 90 Degrees Clockwise", [](Surface& s) { RotateByQuarters(s, 90); }},
                      ButtonCase{"tbACW", "Rotate 90 Degrees Anti-Clockwise",
                                 [](Surface& s) { RotateByQuarters(s, 270); }},
                      ButtonCase{"tbSROT", "Rotate 180 Degrees", [](Surface& s) { RotateByQuarters(s, 180); }}),
    [](const auto& info) { return std::string(info.param.button); });

TEST_F(FilterCommandsTest, SwitchColorsReplacesTheForeColourByTheBackColour) {
  Document& doc = window.Doc();
  doc.WorkingImage.Fill(Rgb(10, 20, 30));
  doc.WorkingImage.SetPixel(4, 4, Rgb(10, 20, 31));
  window.SetForeColour(Rgb(10, 20, 30));
  window.SetBackColour(Rgb(200, 0, 0));
  QToolButton* button = Button("tbScolor");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), QStringLiteral("Switch Colors"));
  button->click();
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), Rgb(200, 0, 0));
  EXPECT_EQ(doc.WorkingImage.GetPixel(4, 4), Rgb(10, 20, 31));
  EXPECT_EQ(Shown(), doc.WorkingImage);
}

TEST_F(FilterCommandsTest, ColourMenuEntriesChangeTheImageAndCanBeUndone) {
  Document& doc = window.Doc();
  doc.WorkingImage.Fill(0x808080);
  window.Action("mnuConvert_0")->trigger();
  EXPECT_EQ(doc.WorkingImage, Surface(32, 32, 0xFFFFFF));
  window.Action("mnuEffects_3")->trigger();
  EXPECT_EQ(doc.WorkingImage, Surface(32, 32, 0x000000));
  EXPECT_EQ(Shown(), doc.WorkingImage);
  window.Action("mnuEdit_0")->trigger();
  EXPECT_EQ(doc.WorkingImage, Surface(32, 32, 0xFFFFFF));
}

// Shaderect lays the platform's highlight colour over the selection.
TEST_F(FilterCommandsTest, ShaderectUsesTheHighlightColourOfThePalette) {
  const QPalette saved = QApplication::palette();
  QPalette palette = saved;
  palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
  QApplication::setPalette(palette);
  Document& doc = window.Doc();
  doc.WorkingImage.Fill(Rgb(9, 9, 9));
  doc.WorkingImage.SetPixel(1, 1, doc.TransparentColor);
  window.Action("mnuEffects_9")->trigger();
  QApplication::setPalette(saved);
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), Rgb(0, 120, 215));
  EXPECT_EQ(doc.WorkingImage.GetPixel(1, 0), Rgb(9, 9, 9));
  EXPECT_EQ(doc.WorkingImage.GetPixel(1, 1), doc.TransparentColor);
  EXPECT_EQ(Shown(), doc.WorkingImage);
}

}  // namespace
}  // namespace gs::ui
