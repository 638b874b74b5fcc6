#include <gtest/gtest.h>

#include "filters/ColourOperations.h"
#include "filters/Crystallize.h"
#include "filters/Duotone.h"
#include "filters/Resample.h"
#include "filters/Scatter.h"
#include "filters/ShadeRect.h"
#include "filters/TextStamp.h"
#include "filters/Transforms.h"
#include "support/FilterTestSupport.h"
#include "text/FieldNumber.h"

namespace gs {
namespace {

using namespace test;

// The inverse of the transparent colour (i) turns transparent and stays so.
TEST(InterchangeColors, TwiceGivesTheStartBackExceptTheInverseOfTransparent) {
  Document doc = DocOf(FromGrid({"r.iKW"}));
  InterchangeColors(doc);
  EXPECT_EQ(ToGrid(doc.WorkingImage, 5, 1), (Grid{"C..WK"}));
  InterchangeColors(doc);
  EXPECT_EQ(ToGrid(doc.WorkingImage, 5, 1), (Grid{"r..KW"}));
}

// A selection reaching past the image (a lasso dragged off the view) acts on its part inside.
TEST(ReplaceColor, ReplacesExactMatchesInTheSelectionOnly) {
  Document doc = DocOf(FromGrid({"abaa.", "aaaaa"}), {1, -3, 40, 1});
  ReplaceColor(doc, kPalette.at('a'), kPalette.at('c'));
  EXPECT_EQ(ToGrid(doc.WorkingImage, 5, 2), (Grid{"abcc.", "aaaaa"}));
}

// The whole image, selection or not, transparent or not, goes to the nearest table colour.
TEST(ReduceColours, MapsEveryPixelToTheNearestTableColour) {
  using enum ColourReduction;
  const struct { ColourReduction reduction; Colour in, out, transparentOut; } cases[] = {
      {BlackAndWhite, 0x7F7F7F, 0x000000, 0xFFFFFF}, {BlackAndWhite, 0x808080, 0xFFFFFF, 0xFFFFFF},
      {Colours16, 0x606060, 0x808080, 0xFFFFFF}, {Colours256, Rgb(33, 30, 200), Rgb(32, 32, 192), 0xF0FBFF}};
  for (const auto& c : cases) {
    Document doc = DocOf(Surface(31, 31, c.in), {0, 0, 2, 2});
    ReduceColours(doc, c.reduction);
    EXPECT_EQ(doc.WorkingImage.GetPixel(30, 30), c.out) << static_cast<int>(c.reduction) << ": " << c.in;
    EXPECT_EQ(doc.WorkingImage.GetPixel(31, 31), c.transparentOut) << static_cast<int>(c.reduction);
  }
}

// Red on white gives red, on blue black; transparent pixels stay; only the selection changes.
TEST(Duotone, MasksWithTheDuotoneColourAndKeepsTransparentPixels) {
  const Document doc = DocOf(FromGrid({"WB.g", "WWWW"}), {0, 0, 4, 1});
  EXPECT_EQ(ToGrid(ReDrawDuo(doc, kInitialDuotoneColour), 4, 2), (Grid{"rK.s", "WWWW"}));
}

// Rows 0, 2, 4 of a selection 5 rows high go right, rows 1 and 3 left; with ends what
// is pushed off comes back at the other end, even from shifts wider than the selection.
TEST(Scatter, ShiftsTheSelectionsRowsAlternately) {
  Document doc = DocOf(FromGrid(Grid(7, "abcdef")), {1, 1, 5, 6});
  EXPECT_EQ(ToGrid(ReDrawQuake(doc, 1, true), 6, 3), (Grid{"abcdef", "aebcdf", "acdebf"}));
  EXPECT_EQ(ToGrid(ReDrawQuake(doc, 6, true), 6, 3), (Grid{"abcdef", "adebcf", "adebcf"}));
  EXPECT_EQ(ToGrid(ReDrawQuake(doc, 32767, false), 6, 3), (Grid{"abcdef", "a....f", "a....f"}));
  const Surface preview = ReDrawQuake(doc, 1, false);
  ApplyScatter(doc, 1, false);
  EXPECT_EQ(doc.WorkingImage, preview);
  EXPECT_EQ(ToGrid(doc.WorkingImage, 6, 7),
            (Grid{"abcdef", "a.bcdf", "acde.f", "a.bcdf", "acde.f", "a.bcdf", "abcdef"}));
}

// Blocks take their top left colour (transparent included); with n = 7 the
// last blocks are cut to 4 pixels (32 = 4 × 7 + 4).
TEST(Crystallize, FillsEachBlockWithItsTopLeftColour) {
  for (int n : {2, 7}) {
    Document doc = DocOf(Numbered());
    doc.WorkingImage.SetPixel(n, n, kT);
    Crystal(doc, n);
    Surface expected(32, 32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) expected.SetPixel(x, y, NumberedColour(x / n * n, y / n * n));
    expected.FillRect(Rect::FromSize(n, n, n, n), kT);
    EXPECT_EQ(doc.WorkingImage, expected) << n;
  }
}

// The checkerboard starts highlighted at the rectangle's corner, even at an odd
// column, and leaves transparent pixels alone. A selection reaching past the
// image (a lasso dragged off the view) acts on its part inside.
TEST(ShadeRect, ChecksFromTheRectanglesCornerAndKeepsTransparentPixels) {
  Document doc = DocOf(FromGrid({"aaaaa", "a.aaa", "aaaaa"}));
  ShadeCommand(doc, kPalette.at('H'));
  EXPECT_EQ(ToGrid(doc.WorkingImage, 5, 3), (Grid{"HaHaH", "a.aHa", "HaHaH"}));
  doc = DocOf(FromGrid({"aaaaa", "a.aaa", "aaaaa"}), {1, -3, 40, 2});
  ShadeCommand(doc, kPalette.at('H'));
  EXPECT_EQ(ToGrid(doc.WorkingImage, 5, 3), (Grid{"aHaHa", "a.HaH", "aaaaa"}));
}

// Every command snapshots the image first, marks the document modified (so
// closing asks to save), and keeps or drops the selection as its dialog's OK does.
TEST(FilterCommands, SnapshotFirstMarkModifiedAndHandleTheSelection) {
  const struct { const char* name; void (*run)(Document&); bool clearsSelection; } cases[] = {
      {"Flip", [](Document& d) { FlipCommand(d, Mirror::LeftRight); }, false},
      {"Rotate", [](Document& d) { RotateCommand(d, QuarterTurn::Clockwise); }, false},
      {"Angle", [](Document& d) { Angle(d, 30, 0x123456); }, false},
      {"Resample", [](Document& d) { ApplyResample(d, {20, 10, 3, 4}); }, true},
      {"Interchange", [](Document& d) { InterchangeColors(d); }, false},
      {"Replace", [](Document& d) { ReplaceColor(d, kT, 0); }, false},
      {"Reduce", [](Document& d) { ReduceColours(d, ColourReduction::Colours16); }, false},
      {"Duotone", [](Document& d) { ApplyDuotone(d, kInitialDuotoneColour); }, true},
      {"Scatter", [](Document& d) { ApplyScatter(d, 3, false); }, true},
      {"Crystal", [](Document& d) { Crystal(d, 3); }, false},
      {"Shade", [](Document& d) { ShadeCommand(d, 0xFF0000); }, false}};
  for (const auto& c : cases) {
    Document doc = DocOf(Numbered(), {2, 3, 9, 8});
    doc.WorkingImage.FillRect({0, 0, 4, 4}, kT);
    const Surface before = doc.WorkingImage;
    c.run(doc);
    EXPECT_TRUE(doc.Modified) << c.name;
    EXPECT_EQ(doc.SelectionActive, !c.clearsSelection) << c.name;
    EXPECT_TRUE(doc.RestoreBackup()) << c.name;
    EXPECT_EQ(doc.WorkingImage, before) << c.name;
  }
}

// The preferred face is matched by its whole name in any case; without it the
// desktop's general font is taken, not whatever sorts first; else the first.
TEST(TextStamp, PrefersTheNamedFaceThenTheGeneralFontThenTheFirst) {
  EXPECT_EQ(PreferredFaceIndex({"Arial", "ms sans serif", "MS Sans Serif"}), 1);
  EXPECT_EQ(PreferredFaceIndex({"Arial", "MS Sans Serif Bold", "MS Sans"}), 0);
  EXPECT_EQ(PreferredFaceIndex({"C059", "DejaVu Sans", "MS Sans Serif"}, "MS Sans Serif", "dejavu sans"), 2);
  EXPECT_EQ(PreferredFaceIndex({"C059", "DejaVu Sans"}, "MS Sans Serif", "DejaVu Sans"), 1);
  EXPECT_EQ(PreferredFaceIndex({"C059", "DejaVu Sans"}, "MS Sans Serif", "Cantarell"), 0);
}

}  // namespace
}  // namespace gs
