// The lasso, Delete, Escape and Edit > Cut, Copy and Paste through the window.

#include <QAction>
#include <QClipboard>

#include "ToolUiSupport.h"
#include "ui/SurfaceImage.h"

namespace gs::ui::test {
namespace {

class SelectionUiTest : public ToolUiTest {
 protected:
  SelectionUiTest() {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) image().SetPixel(x, y, Rgb(x * 8, y * 8, 90));
    window->RePaint();
    UseTool(ToolLasso);
  }
  void Trigger(const char* action) { window->Action(QString::fromLatin1(action))->trigger(); }
  static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }
};

TEST_F(SelectionUiTest, DragsSelectByTheEndPointRuleAndTheMarqueeFramesIt) {
  Drag({6, 9}, {6, 9});
  EXPECT_EQ(doc().Selection, (Rect{6, 9, 7, 10}));
  const QPointF corner(std::lround(6 * view()->width() / 32.0), std::lround(9 * view()->height() / 32.0));
  EXPECT_EQ(view()->ShownColourAt(corner), image().GetPixel(6, 9) ^ 0xFFFFFF);
  Drag({5, 7}, {2, 3});  // reversed: one short of the anchor
  EXPECT_EQ(doc().Selection, (Rect{2, 3, 5, 7}));
  Drag({20, 21}, {40, 25});  // past the edge: only pixels that exist
  EXPECT_EQ(doc().Selection, (Rect{20, 21, 32, 26}));
  EXPECT_TRUE(doc().SelectionActive);
}

TEST_F(SelectionUiTest, MovingByOnePixelLeavesATransparentColumnAndUndoes) {
  Drag({2, 3}, {5, 7});
  const Surface before = image();
  Drag({3, 4}, {4, 4});
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_EQ(Picture(image(), {2, 3, 3, 8}, transparent()), "#/#/#/#/#/");
  EXPECT_EQ(image().GetPixel(6, 7), before.GetPixel(5, 7));
  EXPECT_EQ(Shown(2, 5), transparent());
  Undo();
  EXPECT_EQ(image(), before);
}

TEST_F(SelectionUiTest, RightButtonReleaseFinishesAMove) {
  Drag({2, 2}, {4, 4}, Qt::RightButton);
  const Surface before = image();
  Drag({3, 3}, {13, 3}, Qt::RightButton);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_EQ(image().GetPixel(12, 2), before.GetPixel(2, 2));
  EXPECT_EQ(image().GetPixel(2, 2), transparent());
  Drag({20, 20}, {20, 20});  // nothing left hanging: the next click selects
  EXPECT_EQ(doc().Selection, (Rect{20, 20, 21, 21}));
}

TEST_F(SelectionUiTest, OnlyTheLassoKeepsTheSelection) {
  Drag({2, 2}, {4, 4});
  UseTool(ToolLasso);
  EXPECT_TRUE(doc().SelectionActive);
  UseTool(ToolEraser);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(Shown(2, 2), image().GetPixel(2, 2));
}

TEST_F(SelectionUiTest, DeleteClearsUndoablyAndLeavesModifiedAlone) {
  Drag({2, 2}, {4, 4});
  doc().Modified = false;
  const Surface before = image();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Count(image(), transparent()), 9);
  EXPECT_EQ(image().GetPixel(3, 3), transparent());
  EXPECT_TRUE(doc().SelectionActive);
  EXPECT_FALSE(doc().Modified);
  Undo();
  EXPECT_EQ(image(), before);
}

TEST_F(SelectionUiTest, EscapeDropsANewSelectionAndPutsAMovedBlockBack) {
  Press(2, 2);
  MoveTo(8, 8);
  Key(Qt::Key_Escape);
  Release(8, 8);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(Shown(2, 2), image().GetPixel(2, 2));
  Drag({2, 2}, {4, 4});
  const Surface before = image();
  Press(3, 3);
  MoveTo(12, 12);
  Key(Qt::Key_Escape);
  Release(12, 12);
  EXPECT_EQ(image(), before);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_FALSE(doc().SelectionActive);
}

// Without a selection Copy takes the whole image and Cut clears it; the
// clipboard brings it back.
TEST_F(SelectionUiTest, WholeImageRoundTripsThroughTheClipboard) {
  const Surface before = image();
  Find<QToolButton>("tbCopy")->click();
  EXPECT_EQ(FromQImage(Clipboard()->image()), before);
  EXPECT_FALSE(doc().Modified);
  Trigger("mnuEdit_2");
  EXPECT_EQ(image(), Surface(32, 32, transparent()));
  EXPECT_TRUE(doc().Modified);
  Trigger("mnuEdit_4");
  EXPECT_EQ(image(), before);
}

TEST_F(SelectionUiTest, CutTakesTheSelectionAndKeepsIt) {
  Drag({2, 3}, {5, 4});
  const Surface before = image();
  Find<QToolButton>("tbCut")->click();
  EXPECT_EQ(FromQImage(Clipboard()->image()), before.Copy({2, 3, 6, 5}));
  EXPECT_EQ(Count(image(), transparent()), 8);
  EXPECT_EQ(Shown(5, 4), transparent());
  EXPECT_TRUE(doc().SelectionActive);
}

TEST_F(SelectionUiTest, PasteCoversOnlyItsOwnSizeAtTheTopLeft) {
  const Surface before = image();
  Clipboard()->setImage(ToQImage(Surface(16, 16, kRed)));
  Find<QToolButton>("tbPaste")->click();
  Surface expected = before;
  expected.FillRect({0, 0, 16, 16}, kRed);
  EXPECT_EQ(image(), expected);
  EXPECT_EQ(Shown(15, 15), kRed);
  EXPECT_TRUE(doc().Modified);
}

TEST_F(SelectionUiTest, PastedPixelsLessThanHalfOpaqueBecomeTransparent) {
  QImage picture(2, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(10, 20, 30, 128));
  picture.setPixel(1, 0, qRgba(10, 20, 30, 127));
  Clipboard()->setImage(picture);
  Trigger("mnuEdit_4");
  EXPECT_EQ(image().GetPixel(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(image().GetPixel(1, 0), transparent());
  Clipboard()->setText(QStringLiteral("not a picture"));
  doc().Modified = false;
  Trigger("mnuEdit_4");
  EXPECT_FALSE(doc().Modified);
}

}  // namespace
}  // namespace gs::ui::test
