#pragma once
// "How to Use": the program's own help in a window of its own, so it works
// without a network or a browser. On the left a contents list, an index of
// keywords and a search over the pages; on the right the page.

#include <QUrl>
#include <QWidget>

#include "ui/help/HelpIndex.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace gs::ui {

class HelpBrowser : public QWidget {
  Q_OBJECT
 public:
  // Where the pages live: the program's built-in copy.
  static QString PagesFolder() { return QStringLiteral(":/help"); }

  explicit HelpBrowser(QWidget* parent = nullptr);

  QTextBrowser* Browser() const { return browser_; }
  const HelpIndex& Index() const { return index_; }

  // Shows `file` ("tools.html", "tools.html#pencil") from the pages folder.
  void ShowPage(const QString& file);
  // The file of the page shown, without its anchor.
  QString CurrentPage() const;

  // The index tab: selects the first keyword that starts with `text`.
  void FindKeyword(const QString& text);
  // The search tab: lists the pages holding every word; returns their count.
  int RunSearch(const QString& query);

 private:
  void BuildContents();
  void BuildIndex();
  void FollowSource(const QUrl& url);
  void OpenIndexItem(QListWidgetItem* item);
  void OpenSearchItem(QListWidgetItem* item);

  HelpIndex index_;
  QTabWidget* tabs_;
  QTreeWidget* contents_;
  QLineEdit* keyword_;
  QListWidget* keywords_;
  QLineEdit* search_;
  QListWidget* results_;
  QLabel* resultsLabel_;
  QTextBrowser* browser_;
  QString lastQuery_;
};

}  // namespace gs::ui
