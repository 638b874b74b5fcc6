#include "ui/help/HelpIndex.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>
#include <utility>

namespace gs::ui {
namespace {

constexpr int kHeadWordWeight = 10;

QString ReadUtf8(const QString& path, bool* ok) {
  QFile file(path);
  *ok = file.open(QIODevice::ReadOnly);
  return *ok ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

HelpIndex::HelpIndex(QList<HelpPage> pages) : pages_(std::move(pages)) {
  for (const HelpPage& page : pages_) {
    QMap<QString, int> counts;
    for (const QString& w : Words(page.text)) ++counts[w];
    wordCounts_.push_back(counts);
    headWords_.push_back(Words(page.title + QLatin1Char(' ') + page.keywords.join(QLatin1Char(' '))));
  }
}

HelpIndex HelpIndex::Load(const QString& folder) {
  QList<HelpPage> pages;
  QStringList problems;
  bool ok = false;
  const QString contents = ReadUtf8(folder + QStringLiteral("/contents.txt"), &ok);
  if (!ok) problems << QStringLiteral("%1/contents.txt: cannot be read").arg(folder);
  for (const QString& line : contents.split(QLatin1Char('\n'))) {
    const QString file = line.trimmed();
    if (file.isEmpty() || file.startsWith(QLatin1Char('#'))) continue;
    const QString html = ReadUtf8(folder + QLatin1Char('/') + file, &ok);
    if (!ok) {
      problems << QStringLiteral("%1: listed in contents.txt but cannot be read").arg(file);
      continue;
    }
    HelpPage page;
    page.file = file;
    page.title = TitleOf(html);
    if (page.title.isEmpty()) page.title = file;
    page.depth = line.startsWith(QLatin1Char(' ')) ? 1 : 0;
    page.keywords = KeywordsOf(html);
    page.text = PlainTextOf(html);
    pages << page;
  }
  HelpIndex index(std::move(pages));
  index.problems_ = problems;
  return index;
}

int HelpIndex::PageOf(const QString& file) const {
  const QString bare = file.section(QLatin1Char('#'), 0, 0);
  for (int i = 0; i < pages_.size(); ++i)
    if (pages_[i].file == bare) return i;
  return -1;
}

QList<HelpKeyword> HelpIndex::Keywords() const {
  QMap<QString, HelpKeyword> byKey;  // folded word → entry
  auto add = [&](const QString& word, int page) {
    const QString w = word.simplified();
    if (w.isEmpty()) return;
    HelpKeyword& k = byKey[w.toCaseFolded()];
    if (k.word.isEmpty()) k.word = w;
    if (!k.pages.contains(page)) k.pages << page;
  };
  for (int i = 0; i < pages_.size(); ++i) {
    add(pages_[i].title, i);
    for (const QString& k : pages_[i].keywords) add(k, i);
  }
  QList<HelpKeyword> out = byKey.values();  // QMap keeps them sorted by folded word
  for (HelpKeyword& k : out) std::sort(k.pages.begin(), k.pages.end());
  return out;
}

QList<int> HelpIndex::Search(const QString& query) const {
  const QStringList words = Words(query);
  if (words.isEmpty()) return {};
  QList<std::pair<int, int>> hits;  // score, page
  for (int i = 0; i < pages_.size(); ++i) {
    int score = 0;
    bool all = true;
    for (const QString& q : words) {
      int found = 0;
      // The map is sorted: the words starting with q follow lowerBound(q).
      for (auto it = wordCounts_[i].lowerBound(q); it != wordCounts_[i].end() && it.key().startsWith(q); ++it)
        found += it.value();
      for (const QString& h : headWords_[i])
        if (h.startsWith(q)) found += kHeadWordWeight;
      if (found == 0) {
        all = false;
        break;
      }
      score += found;
    }
    if (all) hits.push_back({score, i});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  QList<int> out;
  for (const auto& hit : hits) out << hit.second;
  return out;
}

QStringList HelpIndex::Words(const QString& text) {
  static const QRegularExpression kWord(QStringLiteral("[\\w]+"), QRegularExpression::UseUnicodePropertiesOption);
  QStringList out;
  for (auto it = kWord.globalMatch(text); it.hasNext();) out << it.next().captured().toCaseFolded();
  return out;
}

QString HelpIndex::TitleOf(const QString& html) {
  static const QRegularExpression kTitle(QStringLiteral("<title>(.*?)</title>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
  const auto m = kTitle.match(html);
  return m.hasMatch() ? PlainTextOf(m.captured(1)).simplified() : QString();
}

QStringList HelpIndex::KeywordsOf(const QString& html) {
  static const QRegularExpression kMeta(QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
                                        QRegularExpression::CaseInsensitiveOption);
  QStringList out;
  for (auto it = kMeta.globalMatch(html); it.hasNext();) {
    for (const QString& k : PlainTextOf(it.next().captured(1)).split(QLatin1Char(';'))) {
      if (!k.simplified().isEmpty()) out << k.simplified();
    }
  }
  return out;
}

QString HelpIndex::PlainTextOf(const QString& html) {
  // The title and the head's meta data are not part of what the reader sees.
  static const QRegularExpression kHead(QStringLiteral("<head>.*?</head>"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption);
  QString body = html;
  body.remove(kHead);
  return QTextDocumentFragment::fromHtml(body).toPlainText();
}

}  // namespace gs::ui
