#pragma once
// The help pages the program carries, read once: their order for the contents,
// their keywords for the index, and their words for the search. Pages are
// plain HTML under one folder; `contents.txt` there lists them in reading
// order, an indented line being a page under the one above it.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace gs::ui {

struct HelpPage {
  QString file;         // relative to the folder, e.g. "tools.html"
  QString title;        // the page's <title>
  int depth = 0;        // 0 for a top entry of the contents, 1 under it
  QStringList keywords; // from <meta name="keywords" content="a; b">
  QString text;         // what the reader sees, without markup
};

struct HelpKeyword {
  QString word;
  QList<int> pages;  // indexes into Pages(), in contents order
};

class HelpIndex {
 public:
  // Reads `folder`/contents.txt and the pages it names. A listed page that
  // cannot be read is left out and named in Problems().
  static HelpIndex Load(const QString& folder);
  // Builds the index from pages already read (the tests' way in).
  explicit HelpIndex(QList<HelpPage> pages = {});

  const QList<HelpPage>& Pages() const { return pages_; }
  const QStringList& Problems() const { return problems_; }
  int PageOf(const QString& file) const;

  // Every keyword and every page title, sorted without regard to case.
  QList<HelpKeyword> Keywords() const;

  // The pages that hold every word of `query` (a page word matches when it
  // starts with the query word, so "rotat" finds "rotate"), most hits first,
  // a word in the title or keywords counting more. An empty query finds nothing.
  QList<int> Search(const QString& query) const;

  // The lower-case words of `text`, as Search splits a query.
  static QStringList Words(const QString& text);

  // What a page's source holds, for Load and for the page checks.
  static QString TitleOf(const QString& html);
  static QStringList KeywordsOf(const QString& html);
  static QString PlainTextOf(const QString& html);

 private:
  QList<HelpPage> pages_;
  QStringList problems_;
  QList<QMap<QString, int>> wordCounts_;  // per page: word → occurrences
  QList<QStringList> headWords_;          // per page: words of title and keywords
};

}  // namespace gs::ui
