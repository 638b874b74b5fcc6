// The tool buttons, option panels and drawing tools through the real window.

#include <QAction>
#include <QTimer>

#include "ui/tools/ToolSession.h"
#include "ui/tools/ToolUiSupport.h"

namespace gs::ui::test {
namespace {

// Choosing a tool sends the keys (Escape, Delete) to the view.
TEST_F(ToolUiTest, ChoosingAToolFocusesTheView) {
  window->show();
  for (int tool = 0; tool < kToolCount; ++tool) {
    UseTool(tool);
    EXPECT_EQ(window->focusWidget(), view()) << tool;
  }
}

// Every press, the colour picker's too, marks the icon changed and takes a
// snapshot; the colour comes from the swatch at each event of a stroke.
TEST_F(ToolUiTest, EveryPressTakesASnapshotAndEachEventReadsTheColour) {
  Press(2, 2);
  QTest::mouseClick(Find("picCX_5"), Qt::LeftButton);  // pure blue
  MoveTo(4, 2);
  Release(4, 2);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(image().Copy({2, 2, 5, 3}).Pixels(), (std::vector<Colour>{kRed, transparent(), kBlue}));
  Undo();
  EXPECT_EQ(image(), Surface(32, 32, transparent()));
  EXPECT_FALSE(window->Action("mnuEdit_0")->isEnabled());
  UseTool(ToolColorPicker);
  image().SetPixel(4, 4, 0x123456);
  Press(4, 4, Qt::RightButton);
  Release(4, 4, Qt::RightButton);
  EXPECT_EQ(Find<ColourSwatch>("picRightButton")->colour(), 0x123456u);
  EXPECT_TRUE(window->Action("mnuEdit_0")->isEnabled());
}

// The right button paints the back colour. The middle button, or a second one
// joining a stroke, draws and starts nothing and leaves nothing running.
TEST_F(ToolUiTest, RightButtonPaintsTheBackColourAndOtherButtonsNothing) {
  for (int tool : {ToolEraser, ToolFloodFill, ToolPencil, ToolPaintbrush, ToolSpray, ToolLine, ToolRectangle,
                   ToolCircle, ToolRoundedRectangle}) {
    SCOPED_TRACE(tool);
    UseTool(tool);
    image().Fill(transparent());
    doc().Modified = false;
    Press(8, 8, Qt::MiddleButton);
    MoveTo(12, 12, Qt::MiddleButton);
    Release(12, 12, Qt::MiddleButton);
    EXPECT_FALSE(doc().Modified);
    EXPECT_EQ(image(), Surface(32, 32, transparent()));
    Press(8, 8, Qt::RightButton);
    Press(20, 20);
    MoveTo(24, 24, Qt::LeftButton | Qt::RightButton);
    Release(24, 24);
    MoveTo(11, 10, Qt::RightButton);
    Release(11, 10, Qt::RightButton);
    EXPECT_GT(Count(image(), kBlue), 0);
    EXPECT_EQ(Count(image(), kRed), 0);
    EXPECT_FALSE(Find<QTimer>("tmrPoints")->isActive());
  }
}

// A click on a panel stores the choice under it for the tools to read; only the
// left button chooses, but for the fill styles.
TEST_F(ToolUiTest, PanelClicksChooseTheToolsOptions) {
  const ToolOptions& options = window->State().Tools;
  UseTool(ToolEraser);
  Choose("picTool1", 0.5, 0.9, Qt::RightButton);
  EXPECT_EQ(options.EraserSize, 0);
  Choose("picTool1", 0.5, 0.9);
  EXPECT_EQ(options.EraserSize, 3);
  UseTool(ToolCircle);
  Choose("picTool9", 0.5, 0.9, Qt::MiddleButton);
  EXPECT_EQ(options.CircleFill, 2);
}

// The timer sprays where the spray is held, in the colour of the tick's moment,
// until the release or Escape.
TEST_F(ToolUiTest, TheSprayTimerBurstsWhileTheButtonIsHeld) {
  UseTool(ToolSpray);
  Find<ToolSession>("toolSession")->Controller().SetRandomSource([] { return 0.0; });  // every point on the centre
  QTimer* timer = Find<QTimer>("tmrPoints");
  Press(6, 6);
  ASSERT_TRUE(timer->isActive());
  MoveTo(9, 9);
  window->SetForeColour(0x00FF00);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(Shown(9, 9), 0x00FF00u);
  Release(9, 9);
  EXPECT_FALSE(timer->isActive());
  Press(6, 6, Qt::RightButton);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(timer->isActive());
  Release(6, 6, Qt::RightButton);
}

TEST_F(ToolUiTest, EscapeThenReleaseLeavesTheImageAsBeforeThePress) {
  image().SetPixel(1, 1, kBlue);
  const Surface before = image();
  for (int tool : {ToolLine, ToolRectangle, ToolCircle, ToolRoundedRectangle}) {
    UseTool(tool);
    Press(3, 3);
    MoveTo(20, 20);
    ASSERT_NE(image(), before);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Shown(11, 3), transparent());
    MoveTo(25, 25);
    Release(25, 25);
    EXPECT_EQ(image(), before) << tool;
    Undo();
    EXPECT_EQ(image(), before) << tool;
  }
}

}  // namespace
}  // namespace gs::ui::test
