#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/help/HelpIndex.h"

namespace gs::ui {
namespace {

HelpPage Page(const char* file, const char* title, QStringList keywords, const char* text) {
  return {QString::fromUtf8(file), QString::fromUtf8(title), 0, std::move(keywords), QString::fromUtf8(text)};
}

HelpIndex Sample() {
  return HelpIndex({Page("tools.html", "Drawing tools", {"Pencil", "Flood Fill"},
                         "The pencil sets pixels. Rotate the icon first if you like."),
                    Page("rotation.html", "Rotation Settings", {"angle"}, "Rotate the icon; rotate it again."),
                    Page("colours.html", "Choosing colours", {"pencil"}, "Click a swatch. Swatches hold colours.")});
}

struct SearchCase {
  const char* name;
  const char* query;
  std::vector<int> pages;  // expected, best first
};

class HelpSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(HelpSearch, FindsThePagesHoldingEveryWordBestFirst) {
  const SearchCase& c = GetParam();
  const QList<int> found = Sample().Search(QString::fromUtf8(c.query));
  EXPECT_EQ(std::vector<int>(found.begin(), found.end()), c.pages) << c.query;
}

INSTANTIATE_TEST_SUITE_P(
    Queries, HelpSearch,
    ::testing::Values(SearchCase{"OneWordInTheText", "swatch", {2}},
                      SearchCase{"AWordFindsLongerWordsItStarts", "swat", {2}},
                      SearchCase{"PrefixRanksTitleHitsFirst", "rotat", {1, 0}},
                      SearchCase{"EveryWordMustBeOnThePage", "rotate pencil", {0}},
                      SearchCase{"KeywordsCountAsWordsOfThePage", "flood", {0}},
                      SearchCase{"CaseDoesNotMatter", "PENCIL", {0, 2}},
                      SearchCase{"PunctuationSeparatesWords", "icon;again", {1}},
                      SearchCase{"NoPageHoldsIt", "zebra", {}},
                      SearchCase{"AWordInsideAnotherIsNoMatch", "otate", {}},
                      SearchCase{"BlankQueryFindsNothing", "  ", {}}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

TEST(HelpIndex, KeywordsAreSortedWithoutCaseAndMergedAcrossPages) {
  const QList<HelpKeyword> keywords = Sample().Keywords();
  QStringList words;
  for (const HelpKeyword& k : keywords) words << k.word;
  EXPECT_EQ(words, (QStringList{"angle", "Choosing colours", "Drawing tools", "Flood Fill", "Pencil",
                                "Rotation Settings"}));
  const auto pencil = std::find_if(keywords.begin(), keywords.end(), [](const HelpKeyword& k) { return k.word == "Pencil"; });
  ASSERT_NE(pencil, keywords.end());
  EXPECT_EQ(pencil->pages, (QList<int>{0, 2}));
}

TEST(HelpIndex, ReadsTitleKeywordsAndVisibleTextFromThePageSource) {
  const QString html = QStringLiteral(
      "<html><head><title>Save &amp; Export</title>\n"
      "<meta name=\"keywords\" content=\"save; Black &amp; White ;; hotspot\"></head>"
      "<body><h1>Save</h1><p>Pick a <b>depth</b>.</p></body></html>");
  EXPECT_EQ(HelpIndex::TitleOf(html), "Save & Export");
  EXPECT_EQ(HelpIndex::KeywordsOf(html), (QStringList{"save", "Black & White", "hotspot"}));
  const QString text = HelpIndex::PlainTextOf(html);
  EXPECT_TRUE(text.contains("Pick a depth.")) << text.toStdString();
  EXPECT_FALSE(text.contains("Export")) << "the head is not part of the page's text";
}

TEST(HelpIndex, LoadFollowsTheContentsListAndNamesWhatItCannotRead) {
  QTemporaryDir dir;
  auto write = [&](const char* name, const char* text) {
    QFile f(dir.filePath(QString::fromUtf8(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  };
  write("contents.txt", "# reading order\nb.html\n  a.html\n  gone.html\n\nc.html\n");
  write("a.html", "<html><head><title>Alpha</title></head><body>first</body></html>");
  write("b.html", "<html><head><title>Beta</title></head><body>second</body></html>");
  write("c.html", "<html><body>untitled</body></html>");

  const HelpIndex index = HelpIndex::Load(dir.path());
  QStringList files, titles;
  QList<int> depths;
  for (const HelpPage& p : index.Pages()) {
    files << p.file;
    titles << p.title;
    depths << p.depth;
  }
  EXPECT_EQ(files, (QStringList{"b.html", "a.html", "c.html"}));
  EXPECT_EQ(titles, (QStringList{"Beta", "Alpha", "c.html"}));
  EXPECT_EQ(depths, (QList<int>{0, 1, 0}));
  ASSERT_EQ(index.Problems().size(), 1);
  EXPECT_TRUE(index.Problems()[0].startsWith("gone.html")) << index.Problems()[0].toStdString();
  EXPECT_EQ(index.PageOf("a.html#top"), 1);
  EXPECT_EQ(index.PageOf("gone.html"), -1);

  EXPECT_EQ(HelpIndex::Load(dir.filePath("nowhere")).Problems().size(), 1);
}

}  // namespace
}  // namespace gs::ui
