#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <set>
#include <string>

#include "ui/main/ActionNames.h"
#include "ui/main/EditView.h"
#include "ui/help/HelpBrowser.h"
#include "ui/main/MainWindow.h"
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

  test::ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
};

// The toolbar button follows the menu item, which follows the snapshot.
TEST_F(MainWindowTest, UndoFollowsTheSnapshotInMenuAndToolbar) {
  auto* button = window->findChild<QToolButton*>("tbUndo");
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->isEnabled());
  window->Doc().CreateBackup();
  window->Doc().WorkingImage.SetPixel(0, 0, Rgb(255, 0, 0));
  window->RePaint();
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(View()->Rendered().GetPixel(0, 0), Rgb(255, 0, 0));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(View()->Rendered().GetPixel(0, 0), 0xE0E0E0u);
  EXPECT_FALSE(button->isEnabled());
}

// The status line shows the colour under the pointer unless exactly one button
// is held. It clears over the window's own surface, and on leaving the window
// straight from the view.
TEST_F(MainWindowTest, StatusShowsTheViewColourAndClearsOutsideIt) {
  QTest::mouseMove(View(), QPoint(200, 200));
  EXPECT_EQ(window->StatusText(), "RGB: 224 224 224");
  QEvent leave(QEvent::Leave);  // what the window system sends the window
  QCoreApplication::sendEvent(window->windowHandle(), &leave);
  EXPECT_EQ(window->StatusText(), "");

  window->Doc().WorkingImage.SetPixel(0, 0, Rgb(255, 0, 0));
  window->RePaint();
  QTest::mouseMove(View(), QPoint(3, 3));
  EXPECT_EQ(window->StatusText(), "RGB: 255 0 0");
  QTest::mouseMove(window->centralWidget(), QPoint(460, 450));
  EXPECT_EQ(window->StatusText(), "");

  const std::pair<Qt::MouseButtons, QString> held[] = {{Qt::RightButton, ""},
                                                       {Qt::LeftButton | Qt::RightButton, "RGB: 224 224 224"}};
  for (const auto& [buttons, status] : held) {
    window->SetStatusText("");
    View()->UpdateStatus(QPointF(10, 10), buttons);
    EXPECT_EQ(window->StatusText(), status) << buttons.toInt();
  }
}

// Every item the code looks up exists and is wired: binding an item enables
// it, so only Undo (until a snapshot), Try as Pointer (until the document is a
// cursor) and the recent files (until there are some) stay disabled.
TEST_F(MainWindowTest, EveryNamedItemExistsAndIsWired) {
  const std::set<std::string> waiting = {action::kUndo, action::kTryAsPointer};
  for (const char* name : action::kAll) {
    QAction* item = window->Action(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_TRUE(item->isVisible()) << name;
    EXPECT_EQ(item->isEnabled(), !waiting.contains(name)) << name;
  }
  int disabled = 0;
  for (QAction* a : window->findChildren<QAction*>())
    if (a->objectName().startsWith("mnu") && !a->isEnabled()) ++disabled;
  EXPECT_EQ(disabled, 2 + 4);
}

TEST_F(MainWindowTest, HowToUseOpensOneHelpWindow) {
  window->Action(action::kHowToUse)->trigger();
  auto* help = window->findChild<HelpBrowser*>("frmHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  // A second "How to Use" brings back the same window.
  window->Action(action::kHowToUse)->trigger();
  EXPECT_EQ(window->findChildren<HelpBrowser*>().size(), 1);
}

}  // namespace
}  // namespace gs::ui
