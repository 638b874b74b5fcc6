// The tool buttons, option panels and the drawing tools through the real
// window and mouse events on the view.

#include <QAction>
#include <QTimer>

#include "ToolUiSupport.h"
#include "tools/Spray.h"
#include "ui/ToolSession.h"

namespace gs::ui::test {
namespace {

std::string Around(const Surface& s, int cx, int cy, Colour ink) {
  std::string out;
  for (int y = cy - 5; y <= cy + 5; ++y, out += '\n')
    for (int x = cx - 5; x <= cx + 5; ++x) out += s.GetPixel(x, y) == ink ? '#' : '.';
  return out;
}

int Count(const Surface& s, Colour c) { return static_cast<int>(std::count(s.Pixels().begin(), s.Pixels().end(), c)); }

TEST_F(ToolUiTest, StartsWithThePencilAndTwelveButtonsInTwoColumns) {
  EXPECT_EQ(window->State().Tools.CurrentTool, ToolPencil);
  const char* tips[] = {"Lasso", "Eraser", "Flood Fill", "Color Picker", "Pencil", "Paintbrush",
                        "Spray", "Text",   "Line",       "Rectangle",    "Circle", "Rounded Rectangle"};
  std::set<int> columns;
  for (int tool = 0; tool < kToolCount; ++tool) {
    auto* button = Find<QToolButton>(QStringLiteral("optTool_%1").arg(tool));
    EXPECT_EQ(button->toolTip().toStdString(), tips[tool]);
    EXPECT_EQ(button->isChecked(), tool == ToolPencil);
    columns.insert(button->x());
  }
  EXPECT_EQ(columns.size(), 2u);
  // Row 4 holds Spray and Line; row 6 Circle and Text.
  EXPECT_EQ(Find<QWidget>("optTool_6")->y(), Find<QWidget>("optTool_8")->y());
  EXPECT_EQ(Find<QWidget>("optTool_10")->y(), Find<QWidget>("optTool_7")->y());
  EXPECT_LT(Find<QWidget>("optTool_6")->x(), Find<QWidget>("optTool_8")->x());
  for (const char* panel : {"picTool1", "picTool5", "picTool6", "picTool8", "picTool9"})
    EXPECT_FALSE(Find<QWidget>(panel)->isVisible()) << panel;
}

TEST_F(ToolUiTest, EachToolShowsItsPanelAndGivesTheViewTheKeys) {
  window->show();
  const char* panels[kToolCount] = {nullptr, "picTool1", nullptr, nullptr, nullptr, "picTool5",
                                    "picTool6", nullptr, "picTool8", "picTool9", "picTool9", "picTool9"};
  for (int tool = 0; tool < kToolCount; ++tool) {
    UseTool(tool);
    EXPECT_EQ(window->State().Tools.CurrentTool, tool);
    for (const char* panel : {"picTool1", "picTool5", "picTool6", "picTool8", "picTool9"})
      EXPECT_EQ(Find<QWidget>(panel)->isVisible(), panels[tool] && std::string(panels[tool]) == panel)
          << tool << " " << panel;
    EXPECT_EQ(window->focusWidget(), view()) << tool;
  }
}

TEST_F(ToolUiTest, PencilPressMarksModifiedAndUndoTakesItBack) {
  QAction* undo = window->Action("mnuEdit_0");
  EXPECT_FALSE(undo->isEnabled());
  Press(0, 0);
  Release(0, 0);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(image().GetPixel(0, 0), kRed);
  EXPECT_EQ(Count(image(), kRed), 1);
  EXPECT_EQ(Shown(0, 0), kRed);
  ASSERT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(image().GetPixel(0, 0), doc().TransparentColor);
  EXPECT_EQ(Shown(0, 0), doc().TransparentColor);
  EXPECT_FALSE(undo->isEnabled());
}

TEST_F(ToolUiTest, ColourPickerPressTakesASnapshotToo) {
  UseTool(ToolColorPicker);
  image().SetPixel(4, 4, 0x123456);
  Press(4, 4, Qt::RightButton);
  Release(4, 4, Qt::RightButton);
  EXPECT_EQ(window->State().BackColour, 0x123456u);
  EXPECT_EQ(Find<ColourSwatch>("picRightButton")->colour(), 0x123456u);
  EXPECT_TRUE(window->Action("mnuEdit_0")->isEnabled());
  EXPECT_TRUE(doc().Modified);
}

class RightButtonTools : public ToolUiTest, public ::testing::WithParamInterface<int> {};

TEST_P(RightButtonTools, PaintTheBackColour) {
  UseTool(GetParam());
  Press(10, 10, Qt::RightButton);
  MoveTo(13, 12, Qt::RightButton);
  Release(13, 12, Qt::RightButton);
  EXPECT_GT(Count(image(), kBlue), 0);
  EXPECT_EQ(Count(image(), kRed), 0);
}

INSTANTIATE_TEST_SUITE_P(Tools, RightButtonTools,
                         ::testing::Values(ToolEraser, ToolFloodFill, ToolPencil, ToolPaintbrush, ToolSpray, ToolLine,
                                           ToolRectangle, ToolCircle, ToolRoundedRectangle));

TEST_F(ToolUiTest, ColourComesFromTheSwatchAtEachEvent) {
  Press(2, 2);
  QTest::mousePress(Find<QWidget>("picCX_5"), Qt::LeftButton);  // pure blue
  QTest::mouseRelease(Find<QWidget>("picCX_5"), Qt::LeftButton);
  MoveTo(4, 2);
  Release(4, 2);
  EXPECT_EQ(image().GetPixel(2, 2), kRed);
  EXPECT_EQ(image().GetPixel(4, 2), 0xFF0000u);
}

class MiddleButtonTools : public ToolUiTest, public ::testing::WithParamInterface<int> {};

TEST_P(MiddleButtonTools, MiddleAndBothButtonPressesDrawNothing) {
  UseTool(GetParam());
  const Surface before = image();
  Press(8, 8, Qt::MiddleButton);
  MoveTo(12, 12, Qt::MiddleButton);
  Release(12, 12, Qt::MiddleButton);
  Press(8, 8, Qt::LeftButton);
  Press(9, 9, Qt::RightButton);  // both held now
  MoveTo(14, 14, Qt::LeftButton | Qt::RightButton);
  Release(14, 14, Qt::RightButton);
  Release(14, 14, Qt::LeftButton);
  // Only the left press drew; the second press and the middle button did nothing.
  EXPECT_EQ(Count(image(), kBlue), 0);
  EXPECT_FALSE(Find<QTimer>("tmrPoints")->isActive());
  EXPECT_EQ(image().GetPixel(12, 12), before.GetPixel(12, 12));
}

INSTANTIATE_TEST_SUITE_P(Tools, MiddleButtonTools, ::testing::Values(ToolPencil, ToolSpray, ToolRectangle, ToolLasso));

TEST_F(ToolUiTest, MiddleButtonAloneChangesNothingAtAll) {
  Press(8, 8, Qt::MiddleButton);
  Release(8, 8, Qt::MiddleButton);
  EXPECT_FALSE(doc().Modified);
  EXPECT_FALSE(window->Action("mnuEdit_0")->isEnabled());
}

TEST_F(ToolUiTest, MovesWithoutAPaintingButtonShowTheColourUnderTheCursor) {
  image().SetPixel(3, 3, kRed);
  window->RePaint();
  MoveTo(3, 3, Qt::NoButton);
  EXPECT_EQ(window->StatusText().toStdString(), "RGB: 255 0 0");
}

// The twelve paintbrush footprints, chosen on the panel by the cell clicked.
struct Footprint {
  int shape;
  const char* picture;  // 11 × 11 around the pressed pixel
  friend void PrintTo(const Footprint& f, std::ostream* os) { *os << "shape " << f.shape; }
};

class PaintbrushFootprints : public ToolUiTest, public ::testing::WithParamInterface<Footprint> {};

TEST_P(PaintbrushFootprints, StampTheChosenShape) {
  const Footprint f = GetParam();
  UseTool(ToolPaintbrush);
  QWidget* panel = Find<QWidget>("picTool5");
  const QPoint cell((f.shape % 3) * panel->width() / 3 + 3, (f.shape / 3) * panel->height() / 4 + 3);
  QTest::mouseClick(panel, Qt::LeftButton, {}, cell);
  ASSERT_EQ(window->State().Tools.BrushShape, f.shape);
  Press(15, 15);
  Release(15, 15);
  EXPECT_EQ(Around(image(), 15, 15, kRed), f.picture) << "shape " << f.shape;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PaintbrushFootprints,
    ::testing::Values(
        Footprint{0,
                  "...........\n"
                  "...###.....\n"
                  "..#####....\n"
                  ".#######...\n"
                  ".#######...\n"
                  ".#######...\n"
                  "..#####....\n"
                  "...###.....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{1,
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "....##.....\n"
                  "...####....\n"
                  "...####....\n"
                  "....##.....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{2,
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  ".....#.....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{3,
                  "...........\n"
                  ".########..\n"
                  ".########..\n"
                  ".########..\n"
                  ".########..\n"
                  ".########..\n"
                  ".########..\n"
                  ".########..\n"
                  ".########..\n"
                  "...........\n"
                  "...........\n"},
        Footprint{4,
                  "...........\n"
                  "...........\n"
                  "..#####....\n"
                  "..#####....\n"
                  "..#####....\n"
                  "..#####....\n"
                  "..#####....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{5,
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "....##.....\n"
                  "....##.....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{6,
                  "...........\n"
                  "...........\n"
                  "........#..\n"
                  ".......#...\n"
                  "......#....\n"
                  ".....#.....\n"
                  "....#......\n"
                  "...#.......\n"
                  "..#........\n"
                  ".#.........\n"
                  "...........\n"},
        Footprint{7,
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "......#....\n"
                  ".....#.....\n"
                  "....#......\n"
                  "...#.......\n"
                  "..#........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{8,
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  ".....#.....\n"
                  "....#......\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{9,
                  "...........\n"
                  ".#.........\n"
                  "..#........\n"
                  "...#.......\n"
                  "....#......\n"
                  ".....#.....\n"
                  "......#....\n"
                  ".......#...\n"
                  "........#..\n"
                  "...........\n"
                  "...........\n"},
        Footprint{10,
                  "...........\n"
                  "...........\n"
                  "..#........\n"
                  "...#.......\n"
                  "....#......\n"
                  ".....#.....\n"
                  "......#....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"},
        Footprint{11,
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "....#......\n"
                  ".....#.....\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"
                  "...........\n"}));

TEST_F(ToolUiTest, EraserPanelRowsGiveSquaresOfFourToTen) {
  UseTool(ToolEraser);
  QWidget* panel = Find<QWidget>("picTool1");
  for (int row = 0; row < 4; ++row) {
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(5, row * panel->height() / 4 + 2));
    image().Fill(doc().TransparentColor);
    Press(16, 16);
    Release(16, 16);
    const int side = (row + 2) * 2;
    EXPECT_EQ(Count(image(), kRed), side * side) << row;
    EXPECT_EQ(image().GetPixel(16 - side / 2, 16 - side / 2), kRed);
    EXPECT_EQ(image().GetPixel(16 + side / 2, 16), doc().TransparentColor);
  }
  // The right button does not choose on these panels.
  QTest::mouseClick(panel, Qt::RightButton, {}, QPoint(5, 2));
  EXPECT_EQ(window->State().Tools.EraserSize, 3);
}

class SprayUiTest : public ToolUiTest {
 protected:
  SprayUiTest() {
    UseTool(ToolSpray);
    timer = Find<QTimer>("tmrPoints");
    // Every point at distance zero: each burst paints just its centre and
    // the number of draws counts the points.
    Find<ToolSession>("toolSession")->Controller().SetRandomSource([this] {
      ++draws;
      return scatter ? (draws % 2 ? 0.0 : 0.9999) : 0.0;
    });
  }
  QTimer* timer = nullptr;
  int draws = 0;
  bool scatter = false;
};

TEST_F(SprayUiTest, BurstsHaveTheirSizeAndDisc) {
  QWidget* panel = Find<QWidget>("picTool6");
  const QPoint choices[3] = {{2, 2}, {panel->width() - 2, 2}, {2, panel->height() - 2}};
  for (int size = 0; size < 3; ++size) {
    QTest::mouseClick(panel, Qt::LeftButton, {}, choices[size]);
    ASSERT_EQ(window->State().Tools.SpraySize, size);
    draws = 0;
    scatter = true;
    image().Fill(doc().TransparentColor);
    Press(15, 15);
    Release(15, 15);
    EXPECT_EQ(draws, 2 * SprayPointCount(size));
    // Angle 0 at the largest distance: the rim of the disc, 4, 8 or 12 away.
    EXPECT_EQ(image().GetPixel(15 + 4 + 4 * size, 15), kRed) << size;
    EXPECT_EQ(Count(image(), kRed), 1);
  }
}

TEST_F(SprayUiTest, TimerRepeatsBurstsWhileHeldStillAndStopsOnRelease) {
  Press(6, 6);
  ASSERT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  MoveTo(9, 9);
  draws = 0;
  for (int tick = 0; tick < 10; ++tick) QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(draws, 10 * 2 * SprayPointCount(0));
  EXPECT_EQ(image().GetPixel(9, 9), kRed);
  EXPECT_EQ(Shown(9, 9), kRed);
  Release(9, 9);
  EXPECT_FALSE(timer->isActive());
}

TEST_F(SprayUiTest, EscapeStopsTheTimer) {
  Press(6, 6, Qt::RightButton);
  ASSERT_TRUE(timer->isActive());
  Key(Qt::Key_Escape);
  EXPECT_FALSE(timer->isActive());
  Release(6, 6, Qt::RightButton);
}

struct BoxDrag {
  QPoint from, to;
  QRect outlined;  // left, top, width, height
  friend void PrintTo(const BoxDrag& d, std::ostream* os) {
    *os << "(" << d.from.x() << "," << d.from.y() << ")->(" << d.to.x() << "," << d.to.y() << ")";
  }
};

class RectangleDrags : public ToolUiTest, public ::testing::WithParamInterface<BoxDrag> {};

TEST_P(RectangleDrags, FollowTheEndPointRuleInAllFourDirections) {
  const BoxDrag d = GetParam();
  UseTool(ToolRectangle);
  Drag(d.from, d.to);
  const QRect r = d.outlined;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool onEdge = r.contains(x, y) && (x == r.left() || x == r.right() || y == r.top() || y == r.bottom());
      ASSERT_EQ(image().GetPixel(x, y) == kRed, onEdge) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, RectangleDrags,
                         ::testing::Values(BoxDrag{{5, 5}, {10, 10}, {5, 5, 6, 6}}, BoxDrag{{10, 10}, {5, 5}, {5, 5, 5, 5}},
                                           BoxDrag{{10, 5}, {5, 10}, {5, 5, 5, 6}}, BoxDrag{{5, 10}, {10, 5}, {5, 5, 6, 5}}));

TEST_F(ToolUiTest, FillStylePanelSetsTheStyleOfTheCurrentShape) {
  UseTool(ToolRectangle);
  QWidget* panel = Find<QWidget>("picTool9");
  QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(5, panel->height() - 3));
  EXPECT_EQ(window->State().Tools.RectangleFill, 2);
  Drag({4, 4}, {9, 9});
  // Style 2: back colour only, whichever button; no outline.
  EXPECT_EQ(Count(image(), kRed), 0);
  EXPECT_EQ(Count(image(), kBlue), 25);
  UseTool(ToolCircle);
  EXPECT_EQ(window->State().Tools.CircleFill, 0);
  QTest::mouseClick(panel, Qt::MiddleButton, {}, QPoint(5, panel->height() / 2));
  EXPECT_EQ(window->State().Tools.CircleFill, 1);
  EXPECT_EQ(window->State().Tools.RectangleFill, 2);
}

TEST_F(ToolUiTest, LinePaintsBothEndsInEveryDirection) {
  UseTool(ToolLine);
  for (auto [from, to] : {std::pair{QPoint(5, 5), QPoint(10, 5)}, std::pair{QPoint(10, 5), QPoint(5, 5)},
                          std::pair{QPoint(3, 20), QPoint(9, 12)}, std::pair{QPoint(9, 12), QPoint(3, 20)}}) {
    image().Fill(doc().TransparentColor);
    Drag(from, to);
    EXPECT_EQ(image().GetPixel(from.x(), from.y()), kRed);
    EXPECT_EQ(image().GetPixel(to.x(), to.y()), kRed);
  }
  image().Fill(doc().TransparentColor);
  Drag({5, 5}, {10, 5});
  EXPECT_EQ(Count(image(), kRed), 6);
}

TEST_F(ToolUiTest, EscapeThenReleaseLeavesTheImageAsBeforeAndUndoAgrees) {
  UseTool(ToolCircle);
  image().SetPixel(1, 1, kBlue);
  window->RePaint();
  const Surface before = image();
  Press(3, 3);
  MoveTo(20, 20);
  ASSERT_NE(image(), before);
  Key(Qt::Key_Escape);
  MoveTo(25, 25);
  Release(25, 25);
  EXPECT_EQ(image(), before);
  EXPECT_EQ(Shown(11, 3), before.GetPixel(11, 3));
  window->Action("mnuEdit_0")->trigger();
  EXPECT_EQ(image(), before);
}

TEST_F(ToolUiTest, TextToolHandsThePixelToTheTextDialog) {
  int px = -1, py = -1;
  Colour colour = 0;
  window->SetTextToolHandler([&](int x, int y, Colour c) { px = x, py = y, colour = c; });
  UseTool(ToolText);
  Press(12, 7, Qt::RightButton);
  Release(12, 7, Qt::RightButton);
  EXPECT_EQ(px, 12);
  EXPECT_EQ(py, 7);
  EXPECT_EQ(colour, kBlue);
}

// Tells pointer pictures apart, whether drawn or one of the plain shapes.
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
  EXPECT_NE(overSelection, lasso);
  UseTool(ToolPencil);
  MoveTo(7, 7, Qt::NoButton);
  EXPECT_NE(PointerKey(view()->cursor()), lasso);
  EXPECT_NE(PointerKey(view()->cursor()), overSelection);
}

}  // namespace
}  // namespace gs::ui::test
