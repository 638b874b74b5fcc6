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

TEST_F(SelectionUiTest, ClickSelectsOnePixelAndTheMarqueeFramesIt) {
  Drag({6, 9}, {6, 9});
  EXPECT_TRUE(doc().SelectionActive);
  EXPECT_EQ(doc().Selection, (Rect{6, 9, 7, 10}));
  // The marquee inverts the view on the pixel's cell border.
  const QPoint corner(static_cast<int>(std::lround(6 * view()->width() / 32.0)),
                      static_cast<int>(std::lround(9 * view()->height() / 32.0)));
  EXPECT_EQ(view()->ShownColourAt(QPointF(corner)), image().GetPixel(6, 9) ^ 0xFFFFFF);
}

TEST_F(SelectionUiTest, ReversedDragStopsOneShortOfTheAnchor) {
  Drag({5, 7}, {2, 3});
  EXPECT_EQ(doc().Selection, (Rect{2, 3, 5, 7}));
  Drag({20, 21}, {23, 25});  // from outside the selection, so not a move
  EXPECT_EQ(doc().Selection, (Rect{20, 21, 24, 26}));
}

TEST_F(SelectionUiTest, MovingByOnePixelAndUndo) {
  Drag({2, 3}, {5, 7});
  const Surface before = image();
  Drag({3, 4}, {4, 4});
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_FALSE(doc().MovingSelection);
  for (int y = 3; y <= 7; ++y) {
    EXPECT_EQ(image().GetPixel(2, y), doc().TransparentColor);
    EXPECT_EQ(image().GetPixel(6, y), before.GetPixel(5, y));
  }
  EXPECT_EQ(Shown(2, 5), doc().TransparentColor);
  window->Action("mnuEdit_0")->trigger();
  EXPECT_EQ(image(), before);
}

TEST_F(SelectionUiTest, RightButtonReleaseFinishesAMove) {
  Drag({2, 2}, {4, 4}, Qt::RightButton);
  const Surface before = image();
  Drag({3, 3}, {13, 3}, Qt::RightButton);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(image().GetPixel(12, 2), before.GetPixel(2, 2));
  EXPECT_EQ(image().GetPixel(2, 2), doc().TransparentColor);
  // Nothing is left hanging: the next click selects normally.
  Drag({20, 20}, {20, 20});
  EXPECT_EQ(doc().Selection, (Rect{20, 20, 21, 21}));
}

TEST_F(SelectionUiTest, OtherToolsDropTheSelectionTheLassoKeepsIt) {
  Drag({2, 2}, {4, 4});
  UseTool(ToolLasso);
  EXPECT_TRUE(doc().SelectionActive);
  UseTool(ToolEraser);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(Shown(2, 2), image().GetPixel(2, 2));
}

TEST_F(SelectionUiTest, DeleteClearsUndoablyWithoutTouchingModified) {
  Drag({2, 2}, {4, 4});
  doc().Modified = false;
  const Surface before = image();
  Key(Qt::Key_Delete);
  EXPECT_EQ(image().GetPixel(3, 3), doc().TransparentColor);
  EXPECT_EQ(image().GetPixel(5, 3), before.GetPixel(5, 3));
  EXPECT_TRUE(doc().SelectionActive);
  EXPECT_FALSE(doc().Modified);
  window->Action("mnuEdit_0")->trigger();
  EXPECT_EQ(image(), before);
}

TEST_F(SelectionUiTest, EscapeDuringASelectionDragRemovesIt) {
  Press(2, 2);
  MoveTo(8, 8);
  Key(Qt::Key_Escape);
  Release(8, 8);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(Shown(2, 2), image().GetPixel(2, 2));
}

TEST_F(SelectionUiTest, CopyWithoutSelectionPutsTheWholeImageOnTheClipboard) {
  Trigger("mnuEdit_3");
  const QImage copied = Clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(32, 32));
  EXPECT_EQ(FromQImage(copied), image());
  EXPECT_FALSE(doc().Modified);
}

TEST_F(SelectionUiTest, CutTakesTheSelectionAndClearsIt) {
  Drag({2, 3}, {5, 4});
  doc().Modified = false;
  const Surface before = image();
  Find<QToolButton>("tbCut")->click();
  const QImage cut = Clipboard()->image();
  ASSERT_EQ(cut.size(), QSize(4, 2));
  EXPECT_EQ(FromQImage(cut), before.Copy({2, 3, 6, 5}));
  EXPECT_EQ(image().GetPixel(5, 4), doc().TransparentColor);
  EXPECT_EQ(Shown(5, 4), doc().TransparentColor);
  EXPECT_TRUE(doc().Modified);
  EXPECT_TRUE(doc().SelectionActive);
}

TEST_F(SelectionUiTest, CutWithoutSelectionClearsEverything) {
  Trigger("mnuEdit_2");
  EXPECT_EQ(image(), Surface(32, 32, doc().TransparentColor));
  EXPECT_TRUE(doc().Modified);
}

TEST_F(SelectionUiTest, PasteOfSixteenBySixteenCoversOnlyTheTopLeft) {
  const Surface before = image();
  Clipboard()->setImage(ToQImage(Surface(16, 16, kRed)));
  Find<QToolButton>("tbPaste")->click();
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      ASSERT_EQ(image().GetPixel(x, y), x < 16 && y < 16 ? kRed : before.GetPixel(x, y)) << x << "," << y;
  EXPECT_EQ(Shown(15, 15), kRed);
  EXPECT_TRUE(doc().Modified);
}

TEST_F(SelectionUiTest, ClipboardRoundTripRestoresTheImage) {
  Drag({0, 0}, {31, 31});
  Find<QToolButton>("tbCopy")->click();
  const Surface before = image();
  Key(Qt::Key_Delete);
  ASSERT_NE(image(), before);
  Trigger("mnuEdit_4");
  EXPECT_EQ(image(), before);
}

TEST_F(SelectionUiTest, HalfTransparentPastedPixelsBecomeTheTransparentColour) {
  QImage picture(2, 1, QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(10, 20, 30, 255));
  picture.setPixel(1, 0, qRgba(10, 20, 30, 100));
  Clipboard()->setImage(picture);
  Trigger("mnuEdit_4");
  EXPECT_EQ(image().GetPixel(0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(image().GetPixel(1, 0), doc().TransparentColor);
}

TEST_F(SelectionUiTest, PasteWithoutAPictureDoesNothing) {
  Clipboard()->setText(QStringLiteral("not a picture"));
  const Surface before = image();
  Trigger("mnuEdit_4");
  EXPECT_EQ(image(), before);
  EXPECT_FALSE(doc().Modified);
}

TEST_F(SelectionUiTest, EditCommandsHaveTheirShortcutsAndButtons) {
  const char* names[] = {"mnuEdit_2", "mnuEdit_3", "mnuEdit_4"};
  const char* keys[] = {"Ctrl+X", "Ctrl+C", "Ctrl+V"};
  const char* buttons[] = {"tbCut", "tbCopy", "tbPaste"};
  for (int i = 0; i < 3; ++i) {
    QAction* action = window->Action(QString::fromLatin1(names[i]));
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(action->shortcut().toString().toStdString(), keys[i]);
    EXPECT_TRUE(Find<QToolButton>(QString::fromLatin1(buttons[i]))->isEnabled());
  }
}

}  // namespace
}  // namespace gs::ui::test
