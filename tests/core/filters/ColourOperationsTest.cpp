#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "filters/ColourOperations.h"
#include "filters/Duotone.h"

namespace gs {
namespace {

constexpr Colour kT = kInitialTransparentColour;

const std::map<char, Colour> kPalette = {
    {'.', kT},         {'i', 0x1F1F1F},          {'r', Rgb(255, 0, 0)},   {'c', Rgb(0, 255, 255)},
    {'K', 0x000000},   {'W', 0xFFFFFF},          {'a', Rgb(16, 32, 48)},  {'b', Rgb(16, 32, 49)},
    {'x', Rgb(9, 9, 9)}, {'B', Rgb(0, 0, 255)}, {'g', Rgb(0x12, 0x34, 0x56)}, {'s', Rgb(0x12, 0, 0)}};

Document WithGrid(const std::vector<std::string>& rows, Rect selection = {}) {
  Document doc;
  const Surface grid = test::FromGrid(rows, kPalette);
  for (int y = 0; y < grid.Height(); ++y)
    for (int x = 0; x < grid.Width(); ++x) doc.WorkingImage.SetPixel(x, y, grid.GetPixel(x, y));
  doc.Selection = selection;
  doc.SelectionActive = !selection.IsEmpty();
  return doc;
}

std::vector<std::string> Top(const Document& doc, int w, int h) {
  return test::ToGrid(doc.WorkingImage.Copy({0, 0, w, h}), kPalette);
}

// The inverse of the transparent colour (i) turns transparent and stays so;
// everything else comes back. Outside a selection nothing changes.
TEST(InterchangeColors, TwiceGivesTheStartBackExceptTheInverseOfTransparent) {
  Document doc = WithGrid({"r.iKW"});
  InterchangeColors(doc);
  EXPECT_EQ(Top(doc, 5, 1), (std::vector<std::string>{"c..WK"}));
  InterchangeColors(doc);
  EXPECT_EQ(Top(doc, 5, 1), (std::vector<std::string>{"r..KW"}));

  doc = WithGrid({"rrr", "rrr"}, {1, 1, 3, 2});
  InterchangeColors(doc);
  EXPECT_EQ(Top(doc, 3, 2), (std::vector<std::string>{"rrr", "rcc"}));
}

TEST(ReplaceColor, ReplacesExactMatchesInTheSelectionOnly) {
  Document doc = WithGrid({"abaa.", "aaaaa"}, {0, 0, 4, 1});
  ReplaceColor(doc, kPalette.at('a'), kPalette.at('x'));
  EXPECT_EQ(Top(doc, 5, 2), (std::vector<std::string>{"xbxx.", "aaaaa"}));
}

struct ReductionCase {
  int menuIndex;
  Colour in, out;
};

class ReduceColoursTest : public ::testing::TestWithParam<ReductionCase> {};

// The whole image goes to the nearest standard colour, selection or not, the
// transparent colour included.
TEST_P(ReduceColoursTest, MapsEveryPixelToTheNearestTableColour) {
  Document doc;
  doc.WorkingImage.Fill(GetParam().in);
  doc.WorkingImage.SetPixel(31, 31, kT);
  doc.Selection = {0, 0, 2, 2};
  doc.SelectionActive = true;
  ReduceColours(doc, GetParam().menuIndex);
  EXPECT_EQ(doc.WorkingImage.GetPixel(30, 30), GetParam().out);
  const Colour transparentBecomes[] = {0xFFFFFF, 0xFFFFFF, 0xF0FBFF};
  EXPECT_EQ(doc.WorkingImage.GetPixel(31, 31), transparentBecomes[GetParam().menuIndex]);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, ReduceColoursTest,
    ::testing::Values(ReductionCase{0, 0x7F7F7F, 0x000000}, ReductionCase{0, 0x808080, 0xFFFFFF},
                      ReductionCase{1, 0x606060, 0x808080}, ReductionCase{1, Rgb(250, 10, 5), Rgb(255, 0, 0)},
                      ReductionCase{2, Rgb(33, 30, 200), Rgb(32, 32, 192)}));

// Red on white gives red, on blue black; transparent pixels stay; only the
// selection changes.
TEST(Duotone, MasksWithTheDuotoneColourAndKeepsTransparentPixels) {
  Document doc = WithGrid({"WB.g", "WWWW"}, {0, 0, 4, 1});
  EXPECT_EQ(test::ToGrid(ReDrawDuo(doc, kInitialDuotoneColour).Copy({0, 0, 4, 2}), kPalette),
            (std::vector<std::string>{"rK.s", "WWWW"}));
  Surface untouched = doc.WorkingImage;
  EXPECT_FALSE(DuotoneRect(doc.WorkingImage, {2, 0, 2, 1}, kInitialDuotoneColour, kT, untouched));
  EXPECT_EQ(untouched, doc.WorkingImage);
}

}  // namespace
}  // namespace gs
