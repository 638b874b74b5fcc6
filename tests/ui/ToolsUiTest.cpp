// The tool buttons, option panels and drawing tools through the real window.

#include <QAction>
#include <QTimer>

#include "ToolUiSupport.h"
#include "tools/Spray.h"
#include "ui/ToolSession.h"

namespace gs::ui::test {
namespace {

TEST_F(ToolUiTest, StartsWithThePencilAndShowsEachToolsPanel) {
  window->show();
  EXPECT_EQ(window->State().Tools.CurrentTool, ToolPencil);
  const char* tips[] = {"Lasso", "Eraser", "Flood Fill", "Color Picker", "Pencil", "Paintbrush",
                        "Spray", "Text",   "Line",       "Rectangle",    "Circle", "Rounded Rectangle"};
  const char* panels[] = {"", "picTool1", "", "", "", "picTool5", "picTool6", "", "picTool8", "picTool9", "picTool9",
                          "picTool9"};
  EXPECT_TRUE(Find<QToolButton>("optTool_4")->isChecked());
  for (int tool = 0; tool < kToolCount; ++tool) {
    EXPECT_EQ(Find(QStringLiteral("optTool_%1").arg(tool))->toolTip().toStdString(), tips[tool]);
    UseTool(tool);
    EXPECT_EQ(window->State().Tools.CurrentTool, tool);
    EXPECT_EQ(window->focusWidget(), view()) << tool;  // the keys go to the view
    for (const char* panel : {"picTool1", "picTool5", "picTool6", "picTool8", "picTool9"})
      EXPECT_EQ(Find(panel)->isVisible(), std::string(panel) == panels[tool]) << tool << " " << panel;
  }
  // Two columns; Spray beside Line in row 4, Circle beside Text in row 6.
  EXPECT_EQ(Find("optTool_6")->y(), Find("optTool_8")->y());
  EXPECT_EQ(Find("optTool_10")->y(), Find("optTool_7")->y());
  EXPECT_EQ(Find("optTool_0")->x(), Find("optTool_10")->x());
  EXPECT_LT(Find("optTool_6")->x(), Find("optTool_8")->x());
}

TEST_F(ToolUiTest, EveryPressMarksModifiedAndCanBeUndone) {
  EXPECT_FALSE(window->Action("mnuEdit_0")->isEnabled());
  Press(0, 0);
  Release(0, 0);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(Count(image(), kRed), 1);
  EXPECT_EQ(Shown(0, 0), kRed);
  Undo();
  EXPECT_EQ(Shown(0, 0), transparent());
  EXPECT_FALSE(window->Action("mnuEdit_0")->isEnabled());
  // The colour picker changes no pixel but still takes a snapshot.
  UseTool(ToolColorPicker);
  image().SetPixel(4, 4, 0x123456);
  Press(4, 4, Qt::RightButton);
  Release(4, 4, Qt::RightButton);
  EXPECT_EQ(Find<ColourSwatch>("picRightButton")->colour(), 0x123456u);
  EXPECT_TRUE(window->Action("mnuEdit_0")->isEnabled());
}

class PaintingTools : public ToolUiTest, public ::testing::WithParamInterface<int> {};

TEST_P(PaintingTools, RightButtonPaintsTheBackColour) {
  UseTool(GetParam());
  Press(10, 10, Qt::RightButton);
  MoveTo(13, 12, Qt::RightButton);
  Release(13, 12, Qt::RightButton);
  EXPECT_GT(Count(image(), kBlue), 0);
  EXPECT_EQ(Count(image(), kRed), 0);
}

// Neither the middle button nor a second button joining a stroke draws or
// starts anything, and nothing is left running.
TEST_P(PaintingTools, MiddleAndSecondButtonsDrawNothing) {
  UseTool(GetParam());
  Press(8, 8, Qt::MiddleButton);
  MoveTo(12, 12, Qt::MiddleButton);
  Release(12, 12, Qt::MiddleButton);
  EXPECT_FALSE(doc().Modified);
  EXPECT_EQ(image(), Surface(32, 32, transparent()));
  Press(8, 8);
  Press(20, 20, Qt::RightButton);
  MoveTo(24, 24, Qt::LeftButton | Qt::RightButton);
  Release(24, 24, Qt::RightButton);
  Release(24, 24);
  EXPECT_EQ(Count(image(), kBlue), 0);
  EXPECT_FALSE(Find<QTimer>("tmrPoints")->isActive());
}

INSTANTIATE_TEST_SUITE_P(Tools, PaintingTools,
                         ::testing::Values(ToolEraser, ToolFloodFill, ToolPencil, ToolPaintbrush, ToolSpray, ToolLine,
                                           ToolRectangle, ToolCircle, ToolRoundedRectangle));

TEST_F(ToolUiTest, ColourIsReadFromTheSwatchAtEachEvent) {
  Press(2, 2);
  QTest::mouseClick(Find("picCX_5"), Qt::LeftButton);  // pure blue
  MoveTo(4, 2);
  Release(4, 2);
  EXPECT_EQ(Picture(image(), {2, 2, 5, 3}, kRed), "#../");
  EXPECT_EQ(image().GetPixel(4, 2), 0xFF0000u);
}

struct Footprint {
  int shape;
  Rect box;  // around the pressed pixel
  const char* picture;
  friend void PrintTo(const Footprint& f, std::ostream* os) { *os << "shape " << f.shape; }
};

class PaintbrushFootprints : public ToolUiTest, public ::testing::WithParamInterface<Footprint> {};

TEST_P(PaintbrushFootprints, StampTheShapeOfTheClickedCell) {
  const Footprint f = GetParam();
  UseTool(ToolPaintbrush);
  Choose("picTool5", (f.shape % 3 + 0.5) / 3, (f.shape / 3 + 0.5) / 4);
  Press(15, 15);
  Release(15, 15);
  const Rect box{15 + f.box.left, 15 + f.box.top, 15 + f.box.right, 15 + f.box.bottom};
  EXPECT_EQ(Picture(image(), box, kRed), f.picture);
  EXPECT_EQ(Count(image(), kRed), std::count(f.picture, f.picture + strlen(f.picture), '#'));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PaintbrushFootprints,
    ::testing::Values(
        Footprint{0, {-4, -4, 3, 3}, "..###../.#####./#######/#######/#######/.#####./..###../"},
        Footprint{1, {-2, -2, 2, 2}, ".##./####/####/.##./"}, Footprint{2, {0, 0, 1, 1}, "#/"},
        Footprint{3, {-4, -4, 4, 4}, "########/########/########/########/########/########/########/########/"},
        Footprint{4, {-3, -3, 2, 2}, "#####/#####/#####/#####/#####/"}, Footprint{5, {-1, -1, 1, 1}, "##/##/"},
        Footprint{6, {-4, -3, 4, 5}, ".......#/......#./.....#../....#.../...#..../..#...../.#....../#......./"},
        Footprint{7, {-3, -1, 2, 4}, "....#/...#./..#../.#.../#..../"}, Footprint{8, {-1, 0, 1, 2}, ".#/#./"},
        Footprint{9, {-4, -4, 4, 4}, "#......./.#....../..#...../...#..../....#.../.....#../......#./.......#/"},
        Footprint{10, {-3, -3, 2, 2}, "#..../.#.../..#../...#./....#/"}, Footprint{11, {-1, -1, 1, 1}, "#./.#/"}));

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

class SprayUiTest : public ToolUiTest {
 protected:
  SprayUiTest() {
    UseTool(ToolSpray);
    // Angle 0; the distance is the largest unless `centred`.
    Find<ToolSession>("toolSession")->Controller().SetRandomSource([this] {
      return ++draws % 2 || centred ? 0.0 : 0.9999;
    });
  }
  QTimer* timer() { return Find<QTimer>("tmrPoints"); }
  int draws = 0;
  bool centred = false;
};

TEST_F(SprayUiTest, BurstsHaveTheirPointCountAndDisc) {
  const QPointF choices[3] = {{0.1, 0.1}, {0.9, 0.1}, {0.1, 0.9}};
  for (int size = 0; size < 3; ++size) {
    Choose("picTool6", choices[size].x(), choices[size].y());
    draws = 0;
    image().Fill(transparent());
    Press(15, 15);
    Release(15, 15);
    EXPECT_EQ(draws, 2 * SprayPointCount(size));
    EXPECT_EQ(image().GetPixel(15 + 4 + 4 * size, 15), kRed) << size;  // on the rim: 4, 8 or 12 out
  }
}

TEST_F(SprayUiTest, TimerRepeatsWhileHeldStillUntilReleaseOrEscape) {
  centred = true;
  Press(6, 6);
  ASSERT_TRUE(timer()->isActive());
  EXPECT_EQ(timer()->interval(), 100);
  MoveTo(9, 9);
  draws = 0;
  window->SetForeColour(0x00FF00);  // the colour is read at each tick
  for (int tick = 0; tick < 10; ++tick) QMetaObject::invokeMethod(timer(), "timeout");
  EXPECT_EQ(draws, 10 * 2 * SprayPointCount(0));
  EXPECT_EQ(Shown(9, 9), 0x00FF00u);
  Release(9, 9);
  EXPECT_FALSE(timer()->isActive());
  Press(6, 6, Qt::RightButton);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(timer()->isActive());
  Release(6, 6, Qt::RightButton);
}

struct BoxDrag {
  QPoint from, to;
  Rect outlined;
  friend void PrintTo(const BoxDrag& d, std::ostream* os) {
    *os << d.from.x() << "," << d.from.y() << " to " << d.to.x() << "," << d.to.y();
  }
};

class RectangleDrags : public ToolUiTest, public ::testing::WithParamInterface<BoxDrag> {};

// Right or down the box includes the cursor's pixel; left or up it stops one
// short of the anchor.
TEST_P(RectangleDrags, FollowTheEndPointRule) {
  const BoxDrag d = GetParam();
  UseTool(ToolRectangle);
  Drag(d.from, d.to);
  const Rect& r = d.outlined;
  EXPECT_EQ(Count(image(), kRed), r.Width() * r.Height() - std::max(r.Width() - 2, 0) * std::max(r.Height() - 2, 0));
  EXPECT_EQ(image().GetPixel(r.left, r.top), kRed);
  EXPECT_EQ(image().GetPixel(r.right - 1, r.bottom - 1), kRed);
}

INSTANTIATE_TEST_SUITE_P(Directions, RectangleDrags,
                         ::testing::Values(BoxDrag{{5, 5}, {10, 10}, {5, 5, 11, 11}}, BoxDrag{{10, 10}, {5, 5}, {5, 5, 10, 10}},
                                           BoxDrag{{10, 5}, {5, 10}, {5, 5, 10, 11}}, BoxDrag{{5, 10}, {10, 5}, {5, 5, 11, 10}},
                                           BoxDrag{{7, 8}, {7, 8}, {7, 8, 8, 9}}));

TEST_F(ToolUiTest, FillStylesTakeTheirColoursWhicheverButtonDrags) {
  UseTool(ToolRectangle);
  // Outline in the button's colour; fore outline over back fill; back fill
  // alone, one pixel smaller as the platform's rectangle without a pen is.
  const char* pictures[3] = {"bbbb/b..b/b..b/bbbb/", "rrrr/rbbr/rbbr/rrrr/", "bbb./bbb./bbb./..../"};
  for (int style = 0; style < 3; ++style) {
    Choose("picTool9", 0.5, (style + 0.5) / 3, Qt::MiddleButton);
    image().Fill(transparent());
    Drag({2, 2}, {5, 5}, Qt::RightButton);
    std::string picture;
    for (int y = 2; y < 6; ++y, picture += '/')
      for (int x = 2; x < 6; ++x) picture += image().GetPixel(x, y) == kRed ? 'r' : image().GetPixel(x, y) == kBlue ? 'b' : '.';
    EXPECT_EQ(picture, pictures[style]) << style;
  }
  UseTool(ToolCircle);  // each box shape keeps its own style
  EXPECT_EQ(window->State().Tools.CircleFill, 0);
  EXPECT_EQ(window->State().Tools.RectangleFill, 2);
}

TEST_F(ToolUiTest, LinesPaintBothEndsAtEveryWidth) {
  UseTool(ToolLine);
  Drag({5, 5}, {10, 5});
  EXPECT_EQ(Count(image(), kRed), 6);
  for (int width = 0; width < 5; ++width) {
    Choose("picTool8", 0.5, (width + 0.5) / 5);
    image().Fill(transparent());
    Drag({20, 25}, {8, 12});
    EXPECT_EQ(image().GetPixel(20, 25), kRed);
    EXPECT_EQ(image().GetPixel(8, 12), kRed);
    EXPECT_GT(Count(image(), kRed), 13 * (width + 1) - 1) << width;
  }
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

TEST_F(ToolUiTest, TextToolHandsThePixelAndColourToTheTextDialog) {
  std::tuple<int, int, Colour> told{};
  window->SetTextToolHandler([&](int x, int y, Colour c) { told = {x, y, c}; });
  UseTool(ToolText);
  Press(12, 7, Qt::RightButton);
  Release(12, 7, Qt::RightButton);
  EXPECT_EQ(told, std::make_tuple(12, 7, kBlue));
}

qint64 PointerKey(const QCursor& c) {
  return c.shape() == Qt::BitmapCursor ? c.pixmap().cacheKey() : -static_cast<qint64>(c.shape());
}

TEST_F(ToolUiTest, PointerPictureFollowsTheToolAndTheSelection) {
  UseTool(ToolLasso);
  Drag({4, 4}, {10, 10});
  MoveTo(7, 7, Qt::NoButton);
  const qint64 overSelection = PointerKey(view()->cursor());
  MoveTo(20, 20, Qt::NoButton);
  const qint64 lasso = PointerKey(view()->cursor());
  UseTool(ToolPencil);
  MoveTo(7, 7, Qt::NoButton);
  const qint64 pencil = PointerKey(view()->cursor());
  EXPECT_NE(overSelection, lasso);
  EXPECT_NE(pencil, lasso);
  EXPECT_NE(pencil, overSelection);
}

}  // namespace
}  // namespace gs::ui::test
