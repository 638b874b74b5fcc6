#include <gtest/gtest.h>

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
                      SearchCase{"PrefixesRankTitleHitsFirst", "rotat", {1, 0}},
                      SearchCase{"EveryWordMustBeOnThePage", "rotate pencil", {0}},
                      SearchCase{"KeywordsCountAsWordsOfThePage", "flood", {0}},
                      SearchCase{"CaseDoesNotMatter", "PENCIL", {0, 2}},
                      SearchCase{"AWordInsideAnotherIsNoMatch", "otate", {}},
                      SearchCase{"BlankQueryFindsNothing", "  ", {}}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

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

}  // namespace
}  // namespace gs::ui
