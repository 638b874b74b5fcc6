#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

TEST_F(HelpBrowserTest, ContentsListThePagesInOrderAndFollowTheReader) {
  auto* tree = Find<QTreeWidget>("treeContents");
  ASSERT_NE(tree, nullptr);
  QStringList titles;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) titles << (*it)->text(0);
  QStringList expected;
  for (const HelpPage& page : help.Index().Pages()) expected << page.title;
  EXPECT_EQ(titles, expected);

  // A page under another sits under it.
  const QList<QTreeWidgetItem*> save = tree->findItems("Save Settings", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(save.size(), 1);
  ASSERT_NE(save[0]->parent(), nullptr);
  EXPECT_EQ(save[0]->parent()->text(0), "The File menu");

  // A click on an entry opens its page; a link followed in the page moves the
  // contents' mark along.
  const QList<QTreeWidgetItem*> tools = tree->findItems("Drawing tools", Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(tools.size(), 1);
  emit tree->itemClicked(tools[0], 0);
  EXPECT_EQ(help.CurrentPage(), "tools.html");
  help.Browser()->setSource(QUrl("qrc:/help/text.html"));
  EXPECT_EQ(help.CurrentPage(), "text.html");
  ASSERT_NE(tree->currentItem(), nullptr);
  EXPECT_EQ(tree->currentItem()->text(0).toStdString(), "Writing text");

  QTest::mouseClick(Find<QPushButton>("cmdBack"), Qt::LeftButton);
  EXPECT_EQ(help.CurrentPage(), "tools.html");
}

TEST_F(HelpBrowserTest, IndexJumpsToTheTypedKeywordAndOpensItsPage) {
  auto* keyword = Find<QLineEdit>("txtKeyword");
  auto* list = Find<QListWidget>("lstIndex");
  ASSERT_TRUE(keyword && list);
  QTest::keyClicks(keyword, "hots");
  ASSERT_NE(list->currentItem(), nullptr);
  EXPECT_EQ(list->currentItem()->text(), "hotspot");
  QTest::keyClick(keyword, Qt::Key_Return);
  EXPECT_EQ(help.CurrentPage(), "save-settings.html");

  // A keyword of several pages is listed once for each page, the page named.
  EXPECT_EQ(list->findItems("Lasso (Drawing tools)", Qt::MatchExactly).size(), 1);
  EXPECT_EQ(list->findItems("Lasso (The Edit menu)", Qt::MatchExactly).size(), 1);
  emit list->itemClicked(list->findItems("Lasso (The Edit menu)", Qt::MatchExactly).value(0));
  EXPECT_EQ(help.CurrentPage(), "edit-menu.html");
}

TEST_F(HelpBrowserTest, SearchListsThePagesHoldingEveryWordAndMarksTheWord) {
  auto* search = Find<QLineEdit>("txtSearch");
  auto* results = Find<QListWidget>("lstResults");
  auto* label = Find<QLabel>("lblResults");
  ASSERT_TRUE(search && results && label);

  QTest::keyClicks(search, "hotspot pointer");
  QTest::keyClick(search, Qt::Key_Return);
  const QList<QListWidgetItem*> settings = results->findItems("Save Settings", Qt::MatchExactly);
  ASSERT_EQ(settings.size(), 1);
  EXPECT_EQ(label->text().toStdString(),
            QStringLiteral("%1 page%2 found.").arg(results->count()).arg(results->count() == 1 ? "" : "s").toStdString());
  emit results->itemClicked(settings[0]);
  EXPECT_EQ(help.CurrentPage(), "save-settings.html");
  EXPECT_EQ(help.Browser()->textCursor().selectedText().toLower(), "hotspot");

  EXPECT_EQ(help.RunSearch("hotspot crystallize"), 0);
  EXPECT_EQ(results->count(), 0);
  EXPECT_EQ(label->text().toStdString(), "No page holds all of \"hotspot crystallize\".");
}

}  // namespace
}  // namespace gs::ui
