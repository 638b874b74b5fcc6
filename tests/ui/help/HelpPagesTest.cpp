// The help pages against the program itself: every menu item has a page, and
// every menu item, control and picture a page names exists.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <map>

#include "HelpShots.h"
#include "ui/support/ScriptedPrompter.h"
#include "ui/main/MainWindow.h"
#include "ui/help/HelpBrowser.h"
#include "ui/help/HelpIndex.h"

namespace gs::ui {
namespace {

// A caption as the reader sees it: no shortcut marks, no outer or doubled blanks.
QString Shown(QString text, bool shortcutMarks = true) {
  if (shortcutMarks) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  }
  if (Qt::mightBeRichText(text)) text = HelpIndex::PlainTextOf(text);
  return text.simplified();
}

struct SourcePage {
  QString file;
  QString html;
};

std::vector<SourcePage> SourcePages(const HelpIndex& index) {
  std::vector<SourcePage> out;
  for (const HelpPage& page : index.Pages()) {
    QFile f(HelpBrowser::PagesFolder() + QLatin1Char('/') + page.file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << page.file.toStdString();
    out.push_back({page.file, QString::fromUtf8(f.readAll())});
  }
  return out;
}

// The texts of the elements `<tag class="kind">` and of the attribute values
// `<meta name="kind" content="...">`.
QStringList Marked(const QString& html, const QString& kind) {
  QStringList out;
  const QRegularExpression span(QStringLiteral("<span class=\"%1\">(.*?)</span>").arg(kind),
                                QRegularExpression::DotMatchesEverythingOption);
  for (auto it = span.globalMatch(html); it.hasNext();) out << HelpIndex::PlainTextOf(it.next().captured(1)).simplified();
  return out;
}
QStringList MetaValues(const QString& html, const QString& name) {
  QStringList out;
  const QRegularExpression meta(QStringLiteral("<meta name=\"%1\" content=\"([^\"]*)\">").arg(name));
  for (auto it = meta.globalMatch(html); it.hasNext();) out << it.next().captured(1);
  return out;
}
QStringList Attributes(const QString& html, const char* tag, const char* attribute) {
  QStringList out;
  const QRegularExpression re(QStringLiteral("<%1\\s[^>]*%2=\"([^\"]*)\"").arg(QLatin1String(tag), QLatin1String(attribute)));
  for (auto it = re.globalMatch(html); it.hasNext();) out << it.next().captured(1);
  return out;
}

// Every menu and menu item of the real main window as "File > Save Image >
// Cursor"; `leaves` gets the items that run something.
void MenuPaths(const QList<QAction*>& actions, const QString& prefix, QSet<QString>& all, QStringList& leaves) {
  for (QAction* a : actions) {
    if (a->isSeparator()) continue;
    const QString path = prefix.isEmpty() ? Shown(a->text()) : prefix + QStringLiteral(" > ") + Shown(a->text());
    all.insert(path);
    if (a->menu()) MenuPaths(a->menu()->actions(), path, all, leaves);
    else leaves << path;
  }
}

class HelpPagesTest : public ::testing::Test {
 protected:
  const HelpIndex index = HelpIndex::Load(HelpBrowser::PagesFolder());
  const std::vector<SourcePage> pages = SourcePages(index);
};

TEST_F(HelpPagesTest, EveryPageIsInTheContentsAndReadable) {
  EXPECT_TRUE(index.Problems().isEmpty()) << index.Problems().join('\n').toStdString();
  for (const QString& file : QDir(HelpBrowser::PagesFolder()).entryList({"*.html"}, QDir::Files))
    EXPECT_GE(index.PageOf(file), 0) << file.toStdString() << " is missing from contents.txt";
  for (const HelpPage& page : index.Pages()) {
    EXPECT_NE(page.title, page.file) << page.file.toStdString() << " has no title";
    EXPECT_FALSE(page.keywords.isEmpty()) << page.file.toStdString() << " has no keywords for the index";
  }
}

TEST_F(HelpPagesTest, EveryMenuItemHasAPageAndEveryMenuItemNamedExists) {
  test::ScriptedPrompter prompter;
  MainWindow window(&prompter);
  QSet<QString> all;
  QStringList leaves;
  MenuPaths(window.menuBar()->actions(), QString(), all, leaves);
  ASSERT_GT(leaves.size(), 30);

  std::map<QString, QStringList> named;  // menu path → pages naming it
  for (const SourcePage& page : pages) {
    for (const QString& item : Marked(page.html, "menu")) {
      EXPECT_TRUE(all.contains(item)) << page.file.toStdString() << " names the menu item \"" << item.toStdString()
                                      << "\", which the program does not have";
      named[item] << page.file;
    }
  }
  for (const QString& leaf : leaves)
    EXPECT_TRUE(named.count(leaf)) << "no page describes the menu item \"" << leaf.toStdString() << "\"";
}

// Everything a window shows a person as text: captions, titles, list items,
// tool tips.
QSet<QString> TextsOf(QWidget& top) {
  QSet<QString> out{Shown(top.windowTitle(), false)};
  QList<QWidget*> widgets = top.findChildren<QWidget*>();
  widgets << &top;
  for (QWidget* w : widgets) {
    out << Shown(w->toolTip(), false);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) out << Shown(b->text());
    if (auto* l = qobject_cast<QLabel*>(w)) out << Shown(l->text(), l->buddy() != nullptr);
    if (auto* g = qobject_cast<QGroupBox*>(w)) out << Shown(g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) out << Shown(e->placeholderText(), false);
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) out << Shown(c->itemText(i), false);
    if (auto* t = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) out << Shown(t->tabText(i));
  }
  out.remove(QString());
  return out;
}

std::map<QString, QSet<QString>> TextsOfEveryWindow() {
  std::map<QString, QSet<QString>> out;
  for (const helpshots::Shot& shot : helpshots::HelpShots()) {
    helpshots::ShotSession session([&](QWidget& w) { out[shot.name].unite(TextsOf(*w.window())); });
    EXPECT_TRUE(shot.open(session)) << shot.name.toStdString() << " did not open";
  }
  return out;
}

TEST_F(HelpPagesTest, PagesNameOnlyControlsTheirWindowsHave) {
  const std::map<QString, QSet<QString>> texts = TextsOfEveryWindow();
  int checked = 0;
  for (const SourcePage& page : pages) {
    QSet<QString> shown;
    for (const QString& window : MetaValues(page.html, "window")) {
      const auto it = texts.find(window);
      ASSERT_NE(it, texts.end()) << page.file.toStdString() << " describes " << window.toStdString()
                                 << ", which is not in the picture list";
      shown.unite(it->second);
    }
    for (const QString& control : Marked(page.html, "control")) {
      EXPECT_TRUE(shown.contains(control)) << page.file.toStdString() << " names the control \""
                                           << control.toStdString() << "\", which its windows do not show";
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

TEST_F(HelpPagesTest, EveryPictureAndLinkLeadsSomewhere) {
  QSet<QString> shownPictures;
  for (const SourcePage& page : pages) {
    for (const QString& src : Attributes(page.html, "img", "src")) {
      EXPECT_TRUE(QFile::exists(HelpBrowser::PagesFolder() + QLatin1Char('/') + src))
          << page.file.toStdString() << " shows " << src.toStdString() << ", which was not made";
      shownPictures << src.section(QLatin1Char('/'), -1);
    }
    for (const QString& href : Attributes(page.html, "a", "href"))
      EXPECT_GE(index.PageOf(href), 0) << page.file.toStdString() << " links to " << href.toStdString();
  }
  // A picture no page shows is a window whose page is missing.
  for (const helpshots::Shot& shot : helpshots::HelpShots())
    EXPECT_TRUE(shownPictures.contains(shot.name + ".png")) << "no page shows " << shot.name.toStdString();
}

}  // namespace
}  // namespace gs::ui
