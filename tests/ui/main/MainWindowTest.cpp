#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QWindow>
#include <set>
#include <string>

#include "ui/main/ActionNames.h"
#include "ui/main/EditView.h"
#include "ui/help/HelpBrowser.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceView.h"
#include "ui/support/ScriptedPrompter.h"

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

TEST_F(MainWindowTest, UndoFollowsTheSnapshotInMenuAndToolbar) {
  QAction* undo = window->Action(action::kUndo);
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

// Every item the code looks up exists and is wired: binding an item enables
// it, so only Undo (until a snapshot), Try as Pointer (until the document is a
// cursor) and the recent files (until there are some) stay disabled. Every
// toolbar button shows a picture and a tooltip.
TEST_F(MainWindowTest, EveryNamedItemExistsAndIsWired) {
  const std::set<std::string> waiting = {action::kUndo, action::kTryAsPointer};
  for (const char* name : action::kAll) {
    QAction* item = window->Action(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_TRUE(item->isVisible()) << name;
    EXPECT_EQ(item->isEnabled(), !waiting.contains(name)) << name;
  }
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(window->Action(action::RecentFile(k))->isEnabled()) << k;
  int disabled = 0;
  for (QAction* a : window->findChildren<QAction*>())
    if (a->objectName().startsWith("mnu") && !a->isEnabled()) ++disabled;
  EXPECT_EQ(disabled, 2 + 4);

  const auto buttons = window->findChildren<QToolButton*>(QRegularExpression("^tb"));
  EXPECT_EQ(buttons.size(), 19);
  for (const QToolButton* b : buttons) {
    EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString() << " has no picture";
  }
}

TEST_F(MainWindowTest, HelpOpensAtTheContentsAndAboutNamesVersionLicenceAndQt) {
  window->Action(action::kHowToUse)->trigger();
  auto* help = window->findChild<HelpBrowser*>("frmHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->CurrentPage(), "index.html");
  EXPECT_TRUE(help->Browser()->toPlainText().contains("Where to start"));
  // A second "How to Use" brings back the same window.
  window->Action(action::kHowToUse)->trigger();
  EXPECT_EQ(window->findChildren<HelpBrowser*>().size(), 1);

  window->Action(action::kAbout)->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  const QString about = prompter.messages[0].text;
  EXPECT_TRUE(about.contains("GlyphSmith 5.0"));
  EXPECT_TRUE(about.contains("Version 5.0"));
  EXPECT_TRUE(about.contains("GPL-3.0-or-later"));
  EXPECT_TRUE(about.contains(QStringLiteral("running with Qt %1").arg(QString::fromLatin1(qVersion())))) << about.toStdString();
}

}  // namespace
}  // namespace gs::ui
