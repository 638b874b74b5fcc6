#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "filters/ColourOperations.h"
#include "filters/Duotone.h"

namespace gs {
namespace {

using test::FromGrid;
using test::Numbered;
using test::NumberedColour;

constexpr Colour kT = kInitialTransparentColour;
constexpr Colour kInverseT = 0x1F1F1F;

Document WithRow(std::initializer_list<Colour> colours) {
  Document doc;
  int x = 0;
  for (Colour c : colours) doc.WorkingImage.SetPixel(x++, 0, c);
  return doc;
}

TEST(InterchangeColors, TwiceGivesTheStartBackExceptTheInverseOfTransparent) {
  Document doc = WithRow({Rgb(255, 0, 0), Rgb(10, 20, 30), kT, kInverseT, 0x000000});
  InterchangeColors(doc);
  const Surface& image = doc.WorkingImage;
  EXPECT_EQ(image.GetPixel(0, 0), Rgb(0, 255, 255));
  EXPECT_EQ(image.GetPixel(1, 0), Rgb(245, 235, 225));
  EXPECT_EQ(image.GetPixel(2, 0), kT);
  EXPECT_EQ(image.GetPixel(3, 0), kT);  // its negative is the transparent colour
  EXPECT_EQ(image.GetPixel(4, 0), 0xFFFFFFu);
  EXPECT_EQ(image.GetPixel(9, 9), kT);

  InterchangeColors(doc);
  EXPECT_EQ(image.GetPixel(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(image.GetPixel(1, 0), Rgb(10, 20, 30));
  EXPECT_EQ(image.GetPixel(2, 0), kT);
  EXPECT_EQ(image.GetPixel(3, 0), kT);
  EXPECT_EQ(image.GetPixel(4, 0), 0x000000u);
  EXPECT_FALSE(doc.Modified);
}

// Interchange and Replace respect the selection and keep it.
TEST(ColourOperations, ChangeOnlyTheSelectionAndKeepIt) {
  for (int op = 0; op < 2; ++op) {
    Document doc;
    doc.WorkingImage.Fill(Rgb(50, 60, 70));
    doc.Selection = {2, 3, 5, 4};
    doc.SelectionActive = true;
    if (op == 0)
      InterchangeColors(doc);
    else
      ReplaceColor(doc, Rgb(50, 60, 70), Rgb(1, 2, 3));
    const Colour changed = op == 0 ? Rgb(205, 195, 185) : Rgb(1, 2, 3);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), doc.Selection.Contains(x, y) ? changed : Rgb(50, 60, 70))
            << op << ": " << x << "," << y;
    EXPECT_TRUE(doc.SelectionActive);
  }
}

TEST(ReplaceColor, ReplacesExactMatchesOnly) {
  const Colour fore = Rgb(16, 32, 48), back = Rgb(200, 100, 0);
  Document doc = WithRow({fore, Rgb(16, 32, 49), Rgb(17, 32, 48), fore, kT});
  ReplaceColor(doc, fore, back);
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), back);
  EXPECT_EQ(doc.WorkingImage.GetPixel(1, 0), Rgb(16, 32, 49));
  EXPECT_EQ(doc.WorkingImage.GetPixel(2, 0), Rgb(17, 32, 48));
  EXPECT_EQ(doc.WorkingImage.GetPixel(3, 0), back);
  EXPECT_EQ(doc.WorkingImage.GetPixel(4, 0), kT);

  const Surface before = doc.WorkingImage;
  ReplaceColor(doc, back, back);
  EXPECT_EQ(doc.WorkingImage, before);
  EXPECT_TRUE(doc.UndoAvailable());
}

struct ReductionCase {
  int menuIndex;
  Colour in;
  Colour out;
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
  EXPECT_EQ(doc.WorkingImage.GetPixel(0, 0), GetParam().out);
  EXPECT_EQ(doc.WorkingImage.GetPixel(30, 30), GetParam().out);
  const Colour transparentBecomes[] = {0xFFFFFF, 0xFFFFFF, 0xF0FBFF};
  EXPECT_EQ(doc.WorkingImage.GetPixel(31, 31), transparentBecomes[GetParam().menuIndex]);
  EXPECT_TRUE(doc.SelectionActive);
  EXPECT_TRUE(doc.UndoAvailable());
}

INSTANTIATE_TEST_SUITE_P(
    Depths, ReduceColoursTest,
    ::testing::Values(ReductionCase{0, 0x7F7F7F, 0x000000}, ReductionCase{0, 0x808080, 0xFFFFFF},
                      ReductionCase{0, Rgb(255, 0, 0), 0x000000}, ReductionCase{1, 0x606060, 0x808080},
                      ReductionCase{1, Rgb(250, 10, 5), Rgb(255, 0, 0)}, ReductionCase{2, 0x808080, 0x808080},
                      ReductionCase{2, Rgb(33, 30, 200), Rgb(32, 32, 192)}));

TEST(ReduceColours, AnUnknownIndexOnlyTakesTheSnapshot) {
  Document doc;
  doc.WorkingImage = Numbered();
  ReduceColours(doc, 3);
  EXPECT_EQ(doc.WorkingImage, Numbered());
  EXPECT_TRUE(doc.UndoAvailable());
}

TEST(Duotone, MasksWithTheDuotoneColourAndKeepsTransparentPixels) {
  const std::map<char, Colour> palette = {{'W', 0xFFFFFF}, {'B', Rgb(0, 0, 255)}, {'.', kT},
                                          {'R', Rgb(255, 0, 0)}, {'K', 0x000000}, {'g', Rgb(0x12, 0x34, 0x56)},
                                          {'r', Rgb(0x12, 0, 0)}};
  const Surface source = FromGrid({"WB.g"}, palette);
  Surface destination(4, 1, 0xFFFFFF);
  ASSERT_TRUE(DuotoneRect(source, {0, 0, 4, 1}, kInitialDuotoneColour, kT, destination));
  EXPECT_EQ(test::ToGrid(destination, palette), (std::vector<std::string>{"RK.r"}));
  EXPECT_FALSE(DuotoneRect(source, {2, 0, 2, 1}, kInitialDuotoneColour, kT, destination));
}

TEST(Duotone, ApplyChangesOnlyTheSelectionAndClearsIt) {
  Document doc;
  doc.WorkingImage.Fill(0xFFFFFF);
  doc.WorkingImage.SetPixel(3, 3, kT);
  doc.Selection = {2, 2, 6, 5};
  doc.SelectionActive = true;
  const Surface preview = ReDrawDuo(doc, Rgb(0, 255, 0));
  EXPECT_EQ(doc.WorkingImage.GetPixel(2, 2), 0xFFFFFFu);  // the preview leaves the image alone
  ApplyDuotone(doc, Rgb(0, 255, 0));
  EXPECT_EQ(doc.WorkingImage, preview);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      Colour expected = Rect{2, 2, 6, 5}.Contains(x, y) ? Rgb(0, 255, 0) : 0xFFFFFF;
      if (x == 3 && y == 3) expected = kT;
      ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), expected) << x << "," << y;
    }
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(doc.UndoAvailable());
}

}  // namespace
}  // namespace gs
