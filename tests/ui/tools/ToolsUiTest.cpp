// The tool buttons, option panels and drawing tools through the real window.

#include <QAction>
#include <QTimer>

#include "ui/tools/ToolSession.h"
#include "ui/tools/ToolUiSupport.h"

namespace gs::ui::test {
namespace {

TEST_F(ToolUiTest, StartsWithThePencilAndShowsEachToolsPanel) {
  window->show();
  EXPECT_TRUE(Find<QToolButton>("optTool_4")->isChecked());
  const int panels[] = {0, 1, 0, 0, 0, 5, 6, 0, 8, 9, 9, 9};  // picToolN shown with each tool
  for (int tool = 0; tool < kToolCount; ++tool) {
    EXPECT_FALSE(Find(QStringLiteral("optTool_%1").arg(tool))->toolTip().isEmpty()) << tool;
    UseTool(tool);
    EXPECT_EQ(window->focusWidget(), view()) << tool;  // the keys go to the view
    for (int panel : {1, 5, 6, 8, 9})
      EXPECT_EQ(Find(QStringLiteral("picTool%1").arg(panel))->isVisible(), panel == panels[tool]) << tool << panel;
  }
  EXPECT_EQ(Find("optTool_6")->y(), Find("optTool_8")->y());  // two columns: Spray beside Line
}

// Every press, the colour picker's too, marks the icon changed and takes a
// snapshot; the colour comes from the swatch at each event of a stroke.
TEST_F(ToolUiTest, EveryPressTakesASnapshotAndEachEventReadsTheColour) {
  Press(2, 2);
  QTest::mouseClick(Find("picCX_5"), Qt::LeftButton);  // pure blue
  MoveTo(4, 2);
  Release(4, 2);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(Picture(image(), {2, 2, 5, 3}, kRed, kBlue), "#.o/");
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

class PaintingTools : public ToolUiTest, public ::testing::WithParamInterface<int> {};

std::string ToolName(const ::testing::TestParamInfo<int>& info) {
  static const char* const kNames[kToolCount] = {"Lasso", "Eraser",    "FloodFill", "ColorPicker",
                                                 "Pencil", "Paintbrush", "Spray",     "Text",
                                                 "Line",  "Rectangle", "Circle",    "RoundedRectangle"};
  return kNames[info.param];
}

// The right button paints the back colour. The middle button, or a second one
// joining a stroke, draws and starts nothing and leaves nothing running.
TEST_P(PaintingTools, RightButtonPaintsTheBackColourAndOtherButtonsNothing) {
  UseTool(GetParam());
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

INSTANTIATE_TEST_SUITE_P(Tools, PaintingTools,
                         ::testing::Values(ToolEraser, ToolFloodFill, ToolPencil, ToolPaintbrush, ToolSpray, ToolLine,
                                           ToolRectangle, ToolCircle, ToolRoundedRectangle),
                         ToolName);

struct Footprint {
  int shape;
  Rect box;  // around the pressed pixel (15, 15)
  const char* picture;
};
void PrintTo(const Footprint& f, std::ostream* os) { *os << "shape " << f.shape << ": " << f.picture; }

// The panel's cells by what they stamp.
std::string FootprintName(const ::testing::TestParamInfo<Footprint>& info) {
  static const char* const kNames[12] = {"Disc7",   "Disc4",   "Dot",      "Square8",  "Square5",  "Square2",
                                         "Rising8", "Rising5", "Rising2", "Falling8", "Falling5", "Falling2"};
  return kNames[info.param.shape];
}

class PaintbrushFootprints : public ToolUiTest, public ::testing::WithParamInterface<Footprint> {};

TEST_P(PaintbrushFootprints, StampTheShapeOfTheClickedCell) {
  const Footprint f = GetParam();
  UseTool(ToolPaintbrush);
  Choose("picTool5", (f.shape % 3 + 0.5) / 3, (f.shape / 3 + 0.5) / 4);
  Press(15, 15);
  Release(15, 15);
  EXPECT_EQ(Picture(image(), f.box, kRed), f.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PaintbrushFootprints,
    ::testing::Values(
        Footprint{0, {11, 11, 18, 18}, "..###../.#####./#######/#######/#######/.#####./..###../"},
        Footprint{1, {13, 13, 17, 17}, ".##./####/####/.##./"}, Footprint{2, {15, 15, 16, 16}, "#/"},
        Footprint{3, {11, 11, 19, 19}, "########/########/########/########/########/########/########/########/"},
        Footprint{4, {12, 12, 17, 17}, "#####/#####/#####/#####/#####/"}, Footprint{5, {14, 14, 16, 16}, "##/##/"},
        Footprint{6, {11, 12, 19, 20}, ".......#/......#./.....#../....#.../...#..../..#...../.#....../#......./"},
        Footprint{7, {12, 14, 17, 19}, "....#/...#./..#../.#.../#..../"}, Footprint{8, {14, 15, 16, 17}, ".#/#./"},
        Footprint{9, {11, 11, 19, 19}, "#......./.#....../..#...../...#..../....#.../.....#../......#./.......#/"},
        Footprint{10, {12, 12, 17, 17}, "#..../.#.../..#../...#./....#/"}, Footprint{11, {14, 14, 16, 16}, "#./.#/"}),
    FootprintName);

TEST_F(ToolUiTest, EraserRowsPaintSquaresOfFourToTen) {
  UseTool(ToolEraser);
  for (int row = 0; row < 4; ++row) {
    Choose("picTool1", 0.5, (row + 0.5) / 4);
    image().Fill(transparent());
    Press(16, 16, Qt::RightButton);
    Release(16, 16, Qt::RightButton);
    const int half = row + 2;
    EXPECT_EQ(Count(image(), kBlue), 4 * half * half) << row;
    EXPECT_EQ(image().GetPixel(16 - half, 16 - half), kBlue);
  }
  Choose("picTool1", 0.5, 0.1, Qt::RightButton);  // only the left button chooses here
  EXPECT_EQ(window->State().Tools.EraserSize, 3);
}

// The random source gives angle 0 and the largest distance, so every point of
// a burst lands on the right of its rim.
TEST_F(ToolUiTest, SprayBurstsFillTheirDiscAndRepeatWhileHeldStill) {
  int draws = 0;
  UseTool(ToolSpray);
  Find<ToolSession>("toolSession")->Controller().SetRandomSource([&] { return ++draws % 2 ? 0.0 : 0.9999; });
  for (int size = 0; size < 3; ++size) {
    Choose("picTool6", size == 1 ? 0.9 : 0.1, size == 2 ? 0.9 : 0.1);
    draws = 0;
    Press(15, 15);
    Release(15, 15);
    EXPECT_EQ(draws, 2 * 10 * (size + 1));  // 10, 20 or 30 points
    EXPECT_EQ(image().GetPixel(15 + 4 + 4 * size, 15), kRed) << size;  // radius 4, 8 or 12
  }
  QTimer* timer = Find<QTimer>("tmrPoints");
  Press(6, 6);
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  MoveTo(9, 9);
  draws = 0;
  window->SetForeColour(0x00FF00);  // the colour is read at each tick
  for (int tick = 0; tick < 10; ++tick) QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(draws, 10 * 2 * 30);
  EXPECT_EQ(Shown(9 + 12, 9), 0x00FF00u);
  Release(9, 9);
  EXPECT_FALSE(timer->isActive());
  Press(6, 6, Qt::RightButton);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(timer->isActive());
  Release(6, 6, Qt::RightButton);
}

struct BoxDrag {
  QPoint from, to;
  int style;  // outline, outline over a fill, fill alone
  Qt::MouseButton button;
  const char* picture;  // pixels 2..5 of rows 2..5: '#' fore (red), 'o' back (blue)
};
void PrintTo(const BoxDrag& d, std::ostream* os) { *os << d.picture; }

// "From2_2To5_5OutlineLeft"
std::string BoxDragName(const ::testing::TestParamInfo<BoxDrag>& info) {
  const BoxDrag& d = info.param;
  static const char* const kStyles[3] = {"Outline", "OutlineOverFill", "Fill"};
  return "From" + std::to_string(d.from.x()) + "_" + std::to_string(d.from.y()) + "To" + std::to_string(d.to.x()) +
         "_" + std::to_string(d.to.y()) + kStyles[d.style] + (d.button == Qt::LeftButton ? "Left" : "Right");
}

class RectangleDrags : public ToolUiTest, public ::testing::WithParamInterface<BoxDrag> {};

// Right or down the box takes in the cursor's pixel, left or up it stops short of
// the anchor. A fill alone is one pixel smaller, as a rectangle without a pen is.
TEST_P(RectangleDrags, FollowTheEndPointRuleAndTheFillStyle) {
  const BoxDrag d = GetParam();
  UseTool(ToolRectangle);
  Choose("picTool9", 0.5, (d.style + 0.5) / 3, Qt::MiddleButton);  // any button picks a style
  Drag(d.from, d.to, d.button);
  EXPECT_EQ(Picture(image(), {2, 2, 6, 6}, kRed, kBlue), d.picture);
  EXPECT_EQ(Count(image(), transparent()), 32 * 32 - 16 + std::count(d.picture, d.picture + 20, '.'));
  UseTool(ToolCircle);  // each box shape keeps its own style
  EXPECT_EQ(window->State().Tools.CircleFill, 0);
}

INSTANTIATE_TEST_SUITE_P(Boxes, RectangleDrags,
                         ::testing::Values(BoxDrag{{2, 2}, {5, 5}, 0, Qt::LeftButton, "####/#..#/#..#/####/"},
                                           BoxDrag{{5, 5}, {2, 2}, 0, Qt::LeftButton, "###./#.#./###./..../"},
                                           BoxDrag{{5, 2}, {2, 5}, 0, Qt::LeftButton, "###./#.#./#.#./###./"},
                                           BoxDrag{{2, 5}, {5, 2}, 0, Qt::LeftButton, "####/#..#/####/..../"},
                                           BoxDrag{{3, 3}, {3, 3}, 0, Qt::LeftButton, "..../.#../..../..../"},
                                           BoxDrag{{2, 2}, {5, 5}, 0, Qt::RightButton, "oooo/o..o/o..o/oooo/"},
                                           BoxDrag{{2, 2}, {5, 5}, 1, Qt::RightButton, "####/#oo#/#oo#/####/"},
                                           BoxDrag{{2, 2}, {5, 5}, 2, Qt::RightButton, "ooo./ooo./ooo./..../"}),
                         BoxDragName);

TEST_F(ToolUiTest, LinesPaintBothEndsAtTheChosenWidth) {
  UseTool(ToolLine);
  Drag({5, 5}, {10, 5});
  EXPECT_EQ(Count(image(), kRed), 6);
  Choose("picTool8", 0.5, 0.9);
  Drag({5, 20}, {10, 20});
  EXPECT_EQ(Picture(image(), {3, 18, 13, 23}, kRed), ".########./##########/##########/##########/.########./");
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
