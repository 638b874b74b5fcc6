#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>

#include "support/ScriptedPrompter.h"
#include "ui/EditView.h"
#include "ui/MainWindow.h"
#include "ui/SurfaceView.h"
#include "ui/help/HelpBrowser.h"

namespace gs::ui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>(&prompter);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  EditView* View() { return window->findChild<EditView*>("picIcon"); }
  QWidget* Find(const char* name) { return window->findChild<QWidget*>(name); }

  test::ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsWithAnUntitledTransparentImage) {
  EXPECT_EQ(window->windowTitle(), "  GlyphSmith 5.0");
  EXPECT_EQ(window->Doc().WorkingImage, Surface(32, 32, 0xE0E0E0));
  EXPECT_EQ(View()->Rendered(), Surface(273, 281, 0xE0E0E0));

  auto* preview = window->findChild<SurfaceView*>("picSmallIcon");
  ASSERT_NE(preview, nullptr);
  ASSERT_EQ(preview->image().size(), QSize(32, 32));
  EXPECT_EQ(preview->image().pixel(31, 31), qRgb(224, 224, 224));

  EXPECT_EQ(View()->size(), QSize(273, 281));
  for (const char* name : {"picLeft", "picColors", "picStatus", "lblStatus", "picColor_20", "fraTools"})
    EXPECT_NE(Find(name), nullptr) << name;
}

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrderWithShortcuts) {
  QStringList tops;
  for (QAction* a : window->menuBar()->actions()) tops << a->text();
  EXPECT_EQ(tops, (QStringList{"&File", "&Edit", "Fi&lters", "&Help"}));

  auto texts = [&](const char* menuName) {
    QStringList out;
    for (QAction* a : window->findChild<QMenu*>(menuName)->actions()) out << (a->isSeparator() ? "-" : a->text());
    return out;
  };
  EXPECT_EQ(texts("mnuFilePop"),
            (QStringList{"&New", "&Open", "&Save", "Save As", "-", "Icon Extract", "Acquire Image", "Save Image",
                         "Create animated cursor", "-", "&Print", "-", "1. ", "2. ", "3. ", "4. ", "-", "E&xit"}));
  EXPECT_EQ(texts("mnuFile_7"), (QStringList{"Cursor", "Windows Bitmap", "ZSoft PCX"}));
  EXPECT_EQ(texts("mnuEditPop"), (QStringList{"&Undo", "-", "Cut", "Copy", "Paste"}));
  EXPECT_EQ(texts("mnuEffectsPop"),
            (QStringList{"Adjust Dimensions", "Flip", "Rotate", "Interchange Colors", "Scatter Effect", "Duotone",
                         "Replace color", "Adjust Color", "Crystallize Image", "Shaderect"}));
  EXPECT_EQ(texts("mnuEffects_1"), (QStringList{"Horizontal", "Vertical"}));
  EXPECT_EQ(texts("mnuEffects_2"),
            (QStringList{QString::fromUtf8("90° Clockwise"), QString::fromUtf8("90° Counterclockwise"),
                         QString::fromUtf8("180°"), "Custom..."}));
  EXPECT_EQ(texts("mnuEffects_7"), (QStringList{"Black && White ", "16 Colors", "256 Colors"}));
  EXPECT_EQ(texts("mnuHelpPop"), (QStringList{"How to Use", "About"}));

  const std::pair<const char*, const char*> shortcuts[] = {
      {"mnuFile_0", "Ctrl+N"}, {"mnuFile_1", "Ctrl+O"}, {"mnuFile_2", "Ctrl+S"}, {"mnuFile_3", "Ctrl+A"},
      {"mnuFile_10", "Ctrl+P"}, {"mnuEdit_0", "Ctrl+Z"}, {"mnuEdit_2", "Ctrl+X"}, {"mnuEdit_3", "Ctrl+C"},
      {"mnuEdit_4", "Ctrl+V"}};
  for (const auto& [name, key] : shortcuts)
    EXPECT_EQ(window->Action(name)->shortcut(), QKeySequence(key)) << name;
}

TEST_F(MainWindowTest, UndoFollowsTheSnapshotInMenuAndToolbar) {
  QAction* undo = window->Action("mnuEdit_0");
  auto* button = window->findChild<QToolButton*>("tbUndo");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), "Undo");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(button->isEnabled());

  window->Doc().CreateBackup();
  window->Doc().WorkingImage.SetPixel(0, 0, Rgb(255, 0, 0));
  window->RePaint();
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(View()->Rendered().GetPixel(0, 0), Rgb(255, 0, 0));

  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(window->Doc().WorkingImage.GetPixel(0, 0), 0xE0E0E0u);
  EXPECT_EQ(View()->Rendered().GetPixel(0, 0), 0xE0E0E0u);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(button->isEnabled());
}

TEST_F(MainWindowTest, ToolbarButtonsCarryTheirPicturesAndTooltips) {
  const std::pair<const char*, const char*> buttons[] = {
      {"tbNew", "New"}, {"tbOpen", "Open"}, {"tbSave", "Save"}, {"tbSavecursor", "Save Cursor"},
      {"tbSavebmp", "Save Bitmap"}, {"tbPrint", "Print"}, {"tbCut", "Cut"}, {"tbCopy", "Copy"},
      {"tbPaste", "Paste"}, {"tbFliph", "Flip Image Horizontally"}, {"tbFlipv", "Flip Image Vertically"},
      {"tbScolor", "Switch Colors"}, {"tbCW", "Rotate 90 Degrees Clockwise"},
      {"tbACW", "Rotate 90 Degrees Anti-Clockwise"}, {"tbSROT", "Rotate 180 Degrees"},
      {"tbAROT", "Rotate Arbitray Angle"}};
  for (const auto& [name, tip] : buttons) {
    auto* b = window->findChild<QToolButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    EXPECT_EQ(b->toolTip(), tip);
    EXPECT_FALSE(b->icon().isNull()) << name << " has no picture";
  }
}

TEST_F(MainWindowTest, StatusShowsTheViewColourAndClearsOverTheWindow) {
  window->Doc().WorkingImage.SetPixel(0, 0, Rgb(255, 0, 0));
  window->RePaint();
  QTest::mouseMove(View(), QPoint(3, 3));
  EXPECT_EQ(window->StatusText(), "RGB: 255 0 0");
  QTest::mouseMove(View(), QPoint(200, 200));
  EXPECT_EQ(window->StatusText(), "RGB: 224 224 224");
  QTest::mouseMove(window->centralWidget(), QPoint(460, 450));
  EXPECT_EQ(window->StatusText(), "");
}

// Leaving the window straight from the view, with no move over the window's
// own surface on the way, clears the status line too.
TEST_F(MainWindowTest, StatusClearsWhenThePointerLeavesTheWindow) {
  QTest::mouseMove(View(), QPoint(3, 3));
  ASSERT_EQ(window->StatusText(), "RGB: 224 224 224");
  QEvent leave(QEvent::Leave);  // what the window system sends the window
  QCoreApplication::sendEvent(window->windowHandle(), &leave);
  EXPECT_EQ(window->StatusText(), "");
}

TEST_F(MainWindowTest, StatusIsLeftAloneWhileExactlyOneButtonIsHeld) {
  for (Qt::MouseButtons held : {Qt::MouseButtons(Qt::LeftButton), Qt::MouseButtons(Qt::RightButton)}) {
    View()->UpdateStatus(QPointF(10, 10), held);
    EXPECT_EQ(window->StatusText(), "");
  }
  for (Qt::MouseButtons held : {Qt::LeftButton | Qt::RightButton, Qt::MouseButtons(Qt::MiddleButton)}) {
    window->SetStatusText("");
    View()->UpdateStatus(QPointF(10, 10), held);
    EXPECT_EQ(window->StatusText(), "RGB: 224 224 224");
  }
}

// The view is not square, so the marquee's horizontal and vertical positions
// come from different cell sizes; on the marquee the status reads the inverse.
TEST_F(MainWindowTest, MarqueeSitsOnCellBordersOfTheRealView) {
  const ViewGeometry g = View()->Geometry();
  EXPECT_EQ(g.ViewToPixel(0, 0), (Point{0, 0}));
  EXPECT_EQ(g.ViewToPixel(g.W - 0.01, g.H - 0.01), (Point{31, 31}));

  window->Doc().Selection = {4, 4, 8, 8};
  window->Doc().SelectionActive = true;
  window->RePaint();
  const Rect r = g.SelectionViewRect(window->Doc().Selection);
  EXPECT_EQ(r, (Rect{34, 35, 68, 70}));
  EXPECT_EQ(View()->Rendered().GetPixel(r.right - 1, r.top), 0x1F1F1Fu);
  EXPECT_EQ(View()->Rendered().GetPixel(r.right, r.top), 0xE0E0E0u);
  EXPECT_EQ(View()->Rendered().GetPixel(r.right - 1, r.top - 1), 0xE0E0E0u);
  QTest::mouseMove(View(), QPoint(r.right - 1, r.top));
  EXPECT_EQ(window->StatusText(), "RGB: 31 31 31");
}

TEST_F(MainWindowTest, BorderDoesNotResizeButMaximisingDoes) {
  EXPECT_EQ(window->minimumSize(), QSize(500, 400));
  const QSize normal = window->size();
  window->resize(normal + QSize(100, 80));
  QTest::qWait(20);
  EXPECT_EQ(window->size(), normal);

  window->showMaximized();
  QTest::qWait(20);
  EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
  window->showNormal();
  QTest::qWait(20);
  EXPECT_EQ(window->size(), normal);
}

TEST_F(MainWindowTest, OnlyTheItemsOfLaterWorkAreDisabled) {
  QStringList disabled;
  for (QAction* a : window->findChildren<QAction*>())
    if (a->objectName().startsWith("mnu") && !a->isEnabled()) disabled << a->objectName();
  disabled.sort();
  // Undo waits for a snapshot and the recent entries for files; extracting,
  // acquiring and printing are not built yet but stay in their places.
  EXPECT_EQ(disabled, (QStringList{"mnuEdit_0", "mnuFile_10", "mnuFile_12", "mnuFile_13", "mnuFile_14",
                                   "mnuFile_15", "mnuFile_5", "mnuFile_6"}));
  for (const char* name : {"mnuFile_5", "mnuFile_6", "mnuFile_10"}) EXPECT_TRUE(window->Action(name)->isVisible());
}

TEST_F(MainWindowTest, HelpOpensAtTheContentsAndAboutNamesVersionLicenceAndQt) {
  window->Action("mnuHelp_0")->trigger();
  auto* help = window->findChild<HelpBrowser*>("frmHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentPage(), "index.html");
  EXPECT_TRUE(help->Browser()->toPlainText().contains("Where to start"));
  // A second "How to Use" brings back the same window.
  window->Action("mnuHelp_0")->trigger();
  EXPECT_EQ(window->findChildren<HelpBrowser*>().size(), 1);

  window->Action("mnuHelp_1")->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  const QString about = prompter.messages[0].text;
  EXPECT_TRUE(about.contains("GlyphSmith 5.0"));
  EXPECT_TRUE(about.contains("Version 5.0"));
  EXPECT_TRUE(about.contains("GPL-3.0-or-later"));
  EXPECT_TRUE(about.contains(QStringLiteral("running with Qt %1").arg(QString::fromLatin1(qVersion())))) << about.toStdString();
}

}  // namespace
}  // namespace gs::ui
