#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "ui/help/HelpBrowser.h"

namespace gs::ui {
namespace {

class HelpBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  }
  template <class W>
  W* Find(const char* name) {
    auto* w = help.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }

  HelpBrowser help;
};

// The contents list the pages in order, a page under another under it; a click
// opens the entry's page and a followed link moves the mark along. The index
// opens the typed keyword's page (a keyword of several pages is listed once for
// each); the search lists the pages holding every word and marks the word.
TEST_F(HelpBrowserTest, ContentsIndexAndSearchOpenThePagesTheyList) {
  auto* tree = Find<QTreeWidget>("treeContents");
  auto* keyword = Find<QLineEdit>("txtKeyword");
  auto* list = Find<QListWidget>("lstIndex");
  auto* search = Find<QLineEdit>("txtSearch");
  auto* results = Find<QListWidget>("lstResults");
  ASSERT_TRUE(tree && keyword && list && search && results);
  QStringList titles, expected;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) titles << (*it)->text(0);
  for (const HelpPage& page : help.Index().Pages()) expected << page.title;
  EXPECT_EQ(titles, expected);
  const QList<QTreeWidgetItem*> save = tree->findItems("Save Settings", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(save.size(), 1);
  ASSERT_NE(save[0]->parent(), nullptr);
  EXPECT_EQ(save[0]->parent()->text(0), "The File menu");
  emit tree->itemClicked(tree->findItems("Drawing tools", Qt::MatchExactly | Qt::MatchRecursive).value(0), 0);
  EXPECT_EQ(help.CurrentPage(), "tools.html");
  help.Browser()->setSource(QUrl("qrc:/help/text.html"));
  ASSERT_NE(tree->currentItem(), nullptr);
  EXPECT_EQ(tree->currentItem()->text(0).toStdString(), "Writing text");

  QTest::keyClicks(keyword, "hots");
  QTest::keyClick(keyword, Qt::Key_Return);
  EXPECT_EQ(help.CurrentPage(), "save-settings.html");
  emit list->itemClicked(list->findItems("Lasso (The Edit menu)", Qt::MatchExactly).value(0));
  EXPECT_EQ(help.CurrentPage(), "edit-menu.html");

  QTest::keyClicks(search, "hotspot pointer");
  QTest::keyClick(search, Qt::Key_Return);
  emit results->itemClicked(results->findItems("Save Settings", Qt::MatchExactly).value(0));
  EXPECT_EQ(help.CurrentPage(), "save-settings.html");
  EXPECT_EQ(help.Browser()->textCursor().selectedText().toLower(), "hotspot");
  EXPECT_EQ(help.RunSearch("hotspot crystallize"), 0);
}

}  // namespace
}  // namespace gs::ui
