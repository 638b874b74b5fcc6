#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include "filters/ColourOperations.h"
#include "filters/Transforms.h"
#include "FilterUiSupport.h"
#include "support/ScriptedPrompter.h"
#include "ui/MainWindow.h"
#include "ui/SurfaceImage.h"
#include "ui/SurfaceView.h"

namespace gs::ui {
namespace {

using test::Numbered;

struct EntryCase {
  const char* action;
  const char* button;   // the toolbar twin, if any
  const char* tooltip;
  void (*expected)(Document&);
};

class FilterEntryTest : public ::testing::TestWithParam<EntryCase> {
 protected:
  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};
};

// Each entry (and its button, which names the mirrors the other way round)
// changes the image as the core command does and repaints the preview.
TEST_P(FilterEntryTest, RunsItsCommandAndRepaints) {
  const EntryCase& c = GetParam();
  Document expected;
  expected.WorkingImage = Numbered();
  c.expected(expected);
  window.Doc().WorkingImage = Numbered();
  QAction* action = window.Action(QString::fromLatin1(c.action));
  ASSERT_TRUE(action && action->isEnabled());
  if (c.button) {
    auto* button = window.findChild<QToolButton*>(QString::fromLatin1(c.button));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip().toStdString(), c.tooltip);
    button->click();
  } else {
    action->trigger();
  }
  EXPECT_EQ(window.Doc().WorkingImage, expected.WorkingImage);
  EXPECT_EQ(FromQImage(window.Preview()->image()), expected.WorkingImage);
  EXPECT_TRUE(window.Action("mnuEdit_0")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FilterEntryTest,
    ::testing::Values(
        EntryCase{"mnuFlip_0", "tbFlipv", "Flip Image Vertically", [](Document& d) { MirrorUpsideDown(d.WorkingImage); }},
        EntryCase{"mnuFlip_1", "tbFliph", "Flip Image Horizontally", [](Document& d) { MirrorLeftRight(d.WorkingImage); }},
        EntryCase{"mnuRotate_0", "tbCW", "Rotate 90 Degrees Clockwise", [](Document& d) { RotateCommand(d, 0); }},
        EntryCase{"mnuRotate_1", "tbACW", "Rotate 90 Degrees Anti-Clockwise", [](Document& d) { RotateCommand(d, 1); }},
        EntryCase{"mnuRotate_2", "tbSROT", "Rotate 180 Degrees", [](Document& d) { RotateCommand(d, 2); }},
        EntryCase{"mnuEffects_3", nullptr, "", InterchangeColors},
        EntryCase{"mnuConvert_0", nullptr, "", [](Document& d) { ReduceColours(d, 0); }},
        EntryCase{"mnuConvert_1", nullptr, "", [](Document& d) { ReduceColours(d, 1); }},
        EntryCase{"mnuConvert_2", nullptr, "", [](Document& d) { ReduceColours(d, 2); }}),
    [](const auto& info) { return std::string(info.param.action); });

class FilterCommandsTest : public FilterEntryTest {};

TEST_F(FilterCommandsTest, SwitchColorsReplacesTheForeColourByTheBackColour) {
  Document& doc = window.Doc();
  doc.WorkingImage.Fill(Rgb(10, 20, 30));
  doc.WorkingImage.SetPixel(4, 4, Rgb(10, 20, 31));
  window.SetForeColour(Rgb(10, 20, 30));
  window.SetBackColour(Rgb(200, 0, 0));
  auto* button = window.findChild<QToolButton*>(QStringLiteral("tbScolor"));
  EXPECT_EQ(button->toolTip(), QStringLiteral("Switch Colors"));
  button->click();
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), Rgb(200, 0, 0));
  EXPECT_EQ(doc.WorkingImage.GetPixel(4, 4), Rgb(10, 20, 31));
}

TEST_F(FilterCommandsTest, ShaderectUsesTheHighlightColourOfThePalette) {
  const QPalette saved = QApplication::palette();
  QPalette palette = saved;
  palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
  QApplication::setPalette(palette);
  Document& doc = window.Doc();
  doc.WorkingImage.Fill(Rgb(9, 9, 9));
  window.Action("mnuEffects_9")->trigger();
  QApplication::setPalette(saved);
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), Rgb(0, 120, 215));
  EXPECT_EQ(doc.WorkingImage.GetPixel(1, 0), Rgb(9, 9, 9));
  EXPECT_EQ(FromQImage(window.Preview()->image()), doc.WorkingImage);
}

}  // namespace
}  // namespace gs::ui
