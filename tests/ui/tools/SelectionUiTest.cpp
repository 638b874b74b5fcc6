// The lasso, Delete, Escape and Edit > Cut, Copy and Paste through the window.

#include <QAction>
#include <QClipboard>
#include <QMimeData>

#include "ui/main/SurfaceImage.h"
#include "ui/tools/ToolUiSupport.h"

namespace gs::ui::test {
namespace {

class SelectionUiTest : public ToolUiTest {
 protected:
  SelectionUiTest() {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) image().SetPixel(x, y, Rgb(x * 8, y * 8, 90));
    UseTool(ToolLasso);
  }
  void Trigger(const char* action) { window->Action(QString::fromLatin1(action))->trigger(); }
  static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }
};

// A click selects its pixel, a reversed drag stops one short of the anchor and
// only pixels that exist are selected. Another tool drops the selection.
TEST_F(SelectionUiTest, DragsSelectByTheEndPointRuleAndOnlyTheLassoKeepsIt) {
  Drag({5, 7}, {2, 3});
  EXPECT_EQ(doc().Selection, (Rect{2, 3, 5, 7}));
  Drag({20, 21}, {40, 25});
  EXPECT_EQ(doc().Selection, (Rect{20, 21, 32, 26}));
  Drag({6, 9}, {6, 9});
  EXPECT_EQ(doc().Selection, (Rect{6, 9, 7, 10}));
  const QPointF corner(std::lround(6 * view()->width() / 32.0), std::lround(9 * view()->height() / 32.0));
  EXPECT_EQ(view()->ShownColourAt(corner), image().GetPixel(6, 9) ^ 0xFFFFFF);  // the marquee
  UseTool(ToolLasso);
  EXPECT_TRUE(doc().SelectionActive);
  UseTool(ToolEraser);
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_EQ(view()->ShownColourAt(corner), image().GetPixel(6, 9));
}

class MovesWithEitherButton : public SelectionUiTest, public ::testing::WithParamInterface<Qt::MouseButton> {};

// The release of either button finishes a move: nothing stays stuck moving.
TEST_P(MovesWithEitherButton, MovingByOnePixelLeavesATransparentColumnAndUndoes) {
  Drag({2, 3}, {5, 7}, GetParam());
  const Surface before = image();
  Drag({3, 4}, {4, 4}, GetParam());
  EXPECT_FALSE(doc().SelectionActive);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_EQ(image().Copy({2, 3, 3, 8}), Surface(1, 5, transparent()));
  EXPECT_EQ(image().GetPixel(6, 7), before.GetPixel(5, 7));
  Undo();
  EXPECT_EQ(image(), before);
  Drag({20, 20}, {20, 20}, GetParam());  // the next click selects
  EXPECT_EQ(doc().Selection, (Rect{20, 20, 21, 21}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, MovesWithEitherButton, ::testing::Values(Qt::LeftButton, Qt::RightButton),
                         [](const auto& info) { return std::string(info.param == Qt::LeftButton ? "Left" : "Right"); });

// Escape drops a selection being drawn and puts a block being moved back;
// Delete clears the block.
TEST_F(SelectionUiTest, EscapeAndDeleteKeys) {
  Drag({2, 2}, {4, 4});
  const Surface before = image();
  Press(3, 3);
  MoveTo(12, 12);
  Key(Qt::Key_Escape);
  Release(12, 12);
  EXPECT_EQ(image(), before);
  EXPECT_FALSE(doc().MovingSelection);
  EXPECT_FALSE(doc().SelectionActive);
  Press(2, 2);
  MoveTo(8, 8);
  Key(Qt::Key_Escape);
  Release(8, 8);
  EXPECT_FALSE(doc().SelectionActive);
  Drag({2, 2}, {4, 4});
  Key(Qt::Key_Delete);
  EXPECT_EQ(Count(image(), transparent()), 9);
}

// Without a selection Copy takes the whole image and Cut clears it; with one,
// Cut takes and clears the block and keeps the selection.
TEST_F(SelectionUiTest, CopyAndCutTakeTheSelectionOrTheWholeImage) {
  const Surface before = image();
  Find<QToolButton>("tbCopy")->click();
  EXPECT_EQ(FromQImage(Clipboard()->image()), before);
  EXPECT_FALSE(doc().Modified);
  Trigger("mnuEdit_2");
  EXPECT_EQ(image(), Surface(32, 32, transparent()));
  EXPECT_TRUE(doc().Modified);
  Trigger("mnuEdit_4");
  EXPECT_EQ(image(), before);
  Drag({2, 3}, {5, 4});
  Find<QToolButton>("tbCut")->click();
  EXPECT_EQ(FromQImage(Clipboard()->image()), before.Copy({2, 3, 6, 5}));
  EXPECT_EQ(Count(image(), transparent()), 8);
  EXPECT_TRUE(doc().SelectionActive);
}

// A 16 × 16 picture covers only its own size at the top left; pixels less than
// half opaque become transparent.
TEST_F(SelectionUiTest, PasteCoversItsOwnSizeAndDropsTranslucentPixels) {
  QImage picture = ToQImage(Surface(16, 16, kRed)).convertToFormat(QImage::Format_ARGB32);
  picture.setPixel(0, 0, qRgba(10, 20, 30, 128));
  picture.setPixel(1, 0, qRgba(10, 20, 30, 127));
  Clipboard()->setImage(picture);
  Surface expected = image();
  expected.FillRect({0, 0, 16, 16}, kRed);
  expected.SetPixel(0, 0, Rgb(10, 20, 30));
  expected.SetPixel(1, 0, transparent());
  Find<QToolButton>("tbPaste")->click();
  EXPECT_EQ(image(), expected);
  EXPECT_EQ(Shown(15, 15), kRed);
  EXPECT_TRUE(doc().Modified);
}

// Another program's picture comes encoded (here as a PPM): a huge one is refused
// by its size before it is decoded, with a message.
TEST_F(SelectionUiTest, PasteRefusesAHugePicture) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("image/x-portable-pixmap"), "P6 20000 20000 255\n");
  Clipboard()->setMimeData(data);
  const Surface before = image();
  Trigger("mnuEdit_4");
  EXPECT_EQ(image(), before);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, QStringLiteral("The picture on the clipboard is too large to paste (20000 × 20000 pixels)."));
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Exclamation);
}

}  // namespace
}  // namespace gs::ui::test
