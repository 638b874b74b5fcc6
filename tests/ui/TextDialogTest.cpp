#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QToolButton>

#include "FilterUiSupport.h"
#include "support/ScriptedPrompter.h"
#include "ui/MainWindow.h"

namespace gs::ui {
namespace {

using namespace test;

constexpr Colour kBack = Rgb(0, 0, 255);

// A face every test machine has, so the glyphs are certain to draw.
void PickDrawableFace(QDialog& dialog) {
  auto* fonts = Child<QComboBox>(dialog, "cmbFonts");
  const int dejaVu = fonts->findText(QStringLiteral("DejaVu Sans"));
  if (dejaVu >= 0) fonts->setCurrentIndex(dejaVu);
}

class TextDialogTest : public ::testing::Test {
 protected:
  ScriptedPrompter prompter;
  MainWindow window{&prompter};
  Document& doc = window.Doc();
  const Surface blank{32, 32, kInitialTransparentColour};

  void Run(int px, int py, Colour c, std::function<int(QDialog&)> script) {
    prompter.dialogs.push_back(std::move(script));
    window.RunTextTool(px, py, c);
    EXPECT_TRUE(prompter.dialogs.empty());
  }
};

// A right-button press of the Text tool at pixel (5, 20): the dialog starts
// there in the back colour, and Set stamps the text from that corner in that
// one colour; Undo takes it back.
TEST_F(TextDialogTest, StampsTheTextAtThePressedPixelInTheButtonsColour) {
  window.SetBackColour(kBack);
  window.findChild<QToolButton*>(QStringLiteral("optTool_7"))->click();
  Surface result;
  prompter.dialogs.push_back([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Font Settings"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtOffX")->text(), QStringLiteral("5"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtOffY")->text(), QStringLiteral("20"));
    EXPECT_EQ(Shows(dialog, "picOrg"), blank);
    PickDrawableFace(dialog);
    Type(dialog, "txtText", QStringLiteral("Hi"));
    result = Shows(dialog, "picResult");
    EXPECT_EQ(doc.WorkingImage, blank);  // nothing is written before Set
    return Click(dialog, "cmdApply");
  });
  QWidget* view = window.findChild<QWidget*>(QStringLiteral("picIcon"));
  const QPoint pixel(static_cast<int>(5.5 * view->width() / 32), static_cast<int>(20.5 * view->height() / 32));
  QTest::mousePress(view, Qt::RightButton, {}, pixel);
  QTest::mouseRelease(view, Qt::RightButton, {}, pixel);
  EXPECT_TRUE(prompter.dialogs.empty());
  EXPECT_EQ(doc.WorkingImage, result);
  EXPECT_EQ(FromQImage(window.Preview()->image()), result);
  int changed = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (result.GetPixel(x, y) == blank.GetPixel(x, y)) continue;
      ++changed;
      EXPECT_EQ(result.GetPixel(x, y), kBack) << x << "," << y;
      EXPECT_TRUE(x >= 5 && y >= 20) << x << "," << y;
    }
  EXPECT_GT(changed, 4);
  window.Action("mnuEdit_0")->trigger();
  EXPECT_EQ(doc.WorkingImage, blank);
}

TEST_F(TextDialogTest, StartsOnEightPointsThePreferredFaceAndNoStyles) {
  Run(0, 0, 0, [&](QDialog& dialog) {
    auto* sizes = Child<QComboBox>(dialog, "cmbFontSize");
    EXPECT_EQ(sizes->count(), 31);
    EXPECT_EQ(sizes->itemText(30), QStringLiteral("72"));
    EXPECT_EQ(sizes->currentText(), QStringLiteral("8"));
    const QStringList families = QFontDatabase::families();
    const int preferred = families.indexOf(QRegularExpression(QStringLiteral("^ms sans serif$"),
                                                              QRegularExpression::CaseInsensitiveOption));
    EXPECT_EQ(Child<QComboBox>(dialog, "cmbFonts")->currentIndex(), std::max(preferred, 0));
    // The style boxes are off and show their letter in their own style.
    const auto style = [&](const char* name) { return Child<QCheckBox>(dialog, name)->font(); };
    EXPECT_TRUE(style("chkBold").bold() && style("chkItalic").italic() && style("chkUnderlined").underline() &&
                style("chkStrikeThrough").strikeOut());
    for (const char* box : {"chkBold", "chkItalic", "chkUnderlined", "chkStrikeThrough"})
      EXPECT_FALSE(Child<QCheckBox>(dialog, box)->isChecked()) << box;
    return Click(dialog, "cmdCancel");
  });
}

// Styles, size and offsets redraw the result; a size no font can take keeps
// the last drawing; Cancel writes nothing.
TEST_F(TextDialogTest, ControlsRedrawTheResultAndCancelKeepsTheImage) {
  Run(2, 2, kBack, [&](QDialog& dialog) {
    PickDrawableFace(dialog);
    Type(dialog, "txtText", QStringLiteral("Ab"));
    Surface last = Shows(dialog, "picResult");
    const auto expectChange = [&](const char* what) {
      EXPECT_NE(Shows(dialog, "picResult"), last) << what;
      last = Shows(dialog, "picResult");
    };
    Child<QCheckBox>(dialog, "chkBold")->click();
    expectChange("bold");
    Child<QCheckBox>(dialog, "chkUnderlined")->click();
    expectChange("underline");
    auto* size = Child<QComboBox>(dialog, "cmbFontSize");
    size->setCurrentIndex(10);
    expectChange("size");
    size->setEditText(QStringLiteral("0"));
    EXPECT_EQ(Shows(dialog, "picResult"), last);
    size->setEditText(QStringLiteral("99999"));  // clipped and drawn, not hung
    size->setCurrentIndex(10);
    Type(dialog, "txtOffX", "-3");
    EXPECT_NE(Shows(dialog, "picResult"), blank);  // the part right of the edge is drawn
    Type(dialog, "txtOffY", "40");
    EXPECT_EQ(Shows(dialog, "picResult"), blank);  // wholly below the image
    return Click(dialog, "cmdCancel");
  });
  EXPECT_EQ(doc.WorkingImage, blank);
}

}  // namespace
}  // namespace gs::ui
