#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "filters/TextStamp.h"
#include "support/ScriptedPrompter.h"
#include "ui/MainWindow.h"
#include "ui/SurfaceImage.h"
#include "ui/SurfaceView.h"
#include "ui/TextDialog.h"

namespace gs::ui {
namespace {

constexpr Colour kBack = Rgb(0, 0, 255);

template <typename W>
W* Child(QWidget& parent, const char* name) {
  W* child = parent.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

Surface Shows(QWidget& dialog, const char* box) { return FromQImage(Child<SurfaceView>(dialog, box)->image()); }

void Type(QWidget& dialog, const char* field, const QString& text) {
  auto* edit = Child<QLineEdit>(dialog, field);
  edit->clear();
  QTest::keyClicks(edit, text);
}

// A face every test machine has, so the glyphs are certain to draw.
void PickDrawableFace(QDialog& dialog) {
  auto* fonts = Child<QComboBox>(dialog, "cmbFonts");
  const int dejaVu = fonts->findText(QStringLiteral("DejaVu Sans"));
  if (dejaVu >= 0) fonts->setCurrentIndex(dejaVu);
}

// Pixels that differ from `before`, with their bounding box.
struct Changes {
  int count = 0;
  Rect box{1000, 1000, -1000, -1000};
  bool allIn(Colour c, const Surface& after, const Surface& before) const {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (after.GetPixel(x, y) != before.GetPixel(x, y) && after.GetPixel(x, y) != c) return false;
    return true;
  }
};
Changes Diff(const Surface& after, const Surface& before) {
  Changes c;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (after.GetPixel(x, y) != before.GetPixel(x, y)) {
        ++c.count;
        c.box = {std::min(c.box.left, x), std::min(c.box.top, y), std::max(c.box.right, x + 1),
                 std::max(c.box.bottom, y + 1)};
      }
  return c;
}

class TextDialogTest : public ::testing::Test {
 protected:
  test::ScriptedPrompter prompter;
  MainWindow window{&prompter};
  Document& doc = window.Doc();
  const Surface blank{32, 32, kInitialTransparentColour};

  void SetUp() override { window.SetBackColour(kBack); }
  void InDialog(std::function<int(QDialog&)> script) { prompter.dialogs.push_back(std::move(script)); }
};

// The press at (5, 20) with the right button: the dialog starts there in the
// back colour, and Set stamps the text from that corner.
TEST_F(TextDialogTest, StampsTheTextAtTheClickedPixelInTheButtonsColour) {
  InDialog([&](QDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), QStringLiteral("frmText"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Font Settings"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtOffX")->text(), QStringLiteral("5"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtOffY")->text(), QStringLiteral("20"));
    EXPECT_EQ(Child<QLineEdit>(dialog, "txtText")->text(), QString());
    EXPECT_EQ(Shows(dialog, "picOrg"), blank);
    PickDrawableFace(dialog);
    Type(dialog, "txtText", QStringLiteral("Hi"));
    const Surface result = Shows(dialog, "picResult");
    const Changes changes = Diff(result, blank);
    EXPECT_GT(changes.count, 4);
    EXPECT_TRUE(changes.allIn(kBack, result, blank));
    EXPECT_GE(changes.box.left, 5);
    EXPECT_GE(changes.box.top, 20);
    EXPECT_EQ(doc.WorkingImage, blank);  // nothing is written before Set
    Child<QPushButton>(dialog, "cmdApply")->click();
    EXPECT_EQ(doc.WorkingImage, result);
    return dialog.result();
  });
  window.RunTextTool(5, 20, window.State().BackColour);
  EXPECT_EQ(FromQImage(window.Preview()->image()), doc.WorkingImage);
  EXPECT_NE(doc.WorkingImage, blank);
  EXPECT_TRUE(prompter.dialogs.empty());
}

TEST_F(TextDialogTest, StartsWithTheSizeListOnEightAndThePreferredFace) {
  InDialog([&](QDialog& dialog) {
    auto* sizes = Child<QComboBox>(dialog, "cmbFontSize");
    EXPECT_EQ(sizes->count(), 31);
    EXPECT_EQ(sizes->itemText(0), QStringLiteral("4"));
    EXPECT_EQ(sizes->itemText(30), QStringLiteral("72"));
    EXPECT_EQ(sizes->currentText(), QStringLiteral("8"));
    const QStringList families = QFontDatabase::families();
    auto* fonts = Child<QComboBox>(dialog, "cmbFonts");
    EXPECT_EQ(fonts->count(), families.size());
    const int preferred = families.indexOf(QRegularExpression(QStringLiteral("^ms sans serif$"),
                                                              QRegularExpression::CaseInsensitiveOption));
    EXPECT_EQ(fonts->currentIndex(), preferred >= 0 ? preferred : 0);
    // The style boxes show their letter in their own style.
    EXPECT_TRUE(Child<QCheckBox>(dialog, "chkBold")->font().bold());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "chkItalic")->font().italic());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "chkUnderlined")->font().underline());
    EXPECT_TRUE(Child<QCheckBox>(dialog, "chkStrikeThrough")->font().strikeOut());
    for (const char* box : {"chkBold", "chkItalic", "chkUnderlined", "chkStrikeThrough"})
      EXPECT_FALSE(Child<QCheckBox>(dialog, box)->isChecked()) << box;
    return dialog.result();
  });
  window.RunTextTool(0, 0, 0);
}

// Every control that shapes the text changes the result; Cancel writes nothing.
TEST_F(TextDialogTest, StylesSizeAndOffsetsRedrawTheResultAndCancelKeepsTheImage) {
  InDialog([&](QDialog& dialog) {
    PickDrawableFace(dialog);
    Type(dialog, "txtText", QStringLiteral("Ab"));
    Surface last = Shows(dialog, "picResult");
    auto expectChange = [&](const char* what) {
      const Surface now = Shows(dialog, "picResult");
      EXPECT_NE(now, last) << what;
      last = now;
    };
    Child<QCheckBox>(dialog, "chkBold")->click();
    expectChange("bold");
    Child<QCheckBox>(dialog, "chkUnderlined")->click();
    expectChange("underline");
    Child<QComboBox>(dialog, "cmbFontSize")->setCurrentIndex(10);
    expectChange("size");
    Type(dialog, "txtOffX", "-3");
    expectChange("offset x");
    EXPECT_GT(Diff(last, blank).count, 0);  // the part left of the edge is cut, the rest drawn
    Type(dialog, "txtOffY", "40");
    EXPECT_EQ(Shows(dialog, "picResult"), blank);  // wholly below the image
    Child<QPushButton>(dialog, "cmdCancel")->click();
    return dialog.result();
  });
  window.RunTextTool(2, 2, kBack);
  EXPECT_EQ(doc.WorkingImage, blank);
}

// A size no font can take keeps the last drawing; an empty text sets the image unchanged.
TEST_F(TextDialogTest, UnusableSizesKeepThePreviousDrawingAndEmptyTextChangesNothing) {
  InDialog([&](QDialog& dialog) {
    PickDrawableFace(dialog);
    Type(dialog, "txtText", QStringLiteral("W"));
    const Surface drawn = Shows(dialog, "picResult");
    auto* size = Child<QComboBox>(dialog, "cmbFontSize");
    size->setEditText(QStringLiteral("0"));
    EXPECT_EQ(Shows(dialog, "picResult"), drawn);
    size->setEditText(QStringLiteral("x"));
    EXPECT_EQ(Shows(dialog, "picResult"), drawn);
    size->setEditText(QStringLiteral("99999"));  // clipped, drawn, not hung
    Type(dialog, "txtText", QString());
    Child<QPushButton>(dialog, "cmdApply")->click();
    return dialog.result();
  });
  window.RunTextTool(1, 1, kBack);
  EXPECT_EQ(doc.WorkingImage, blank);
}

}  // namespace
}  // namespace gs::ui
