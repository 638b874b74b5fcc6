#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "filters/Crystallize.h"
#include "filters/Scatter.h"
#include "filters/ShadeRect.h"

namespace gs {
namespace {

using test::FromGrid;
using test::Numbered;
using test::NumberedColour;
using test::ToGrid;
using Grid = std::vector<std::string>;

constexpr Colour kT = kInitialTransparentColour;

const std::map<char, Colour> kPalette = {{'.', kT},           {'a', Rgb(1, 0, 0)}, {'b', Rgb(2, 0, 0)},
                                         {'c', Rgb(3, 0, 0)}, {'d', Rgb(4, 0, 0)}, {'e', Rgb(5, 0, 0)},
                                         {'f', Rgb(6, 0, 0)}, {'H', Rgb(0, 0, 200)}};

Grid Scattered(const Grid& rows, const Rect& r, int shift, bool ends) {
  const Surface source = FromGrid(rows, kPalette);
  Surface destination = source;
  EXPECT_TRUE(ScatterRows(source, r, shift, destination, ends, kT));
  return ToGrid(destination, kPalette);
}

TEST(ScatterRows, ShiftsEvenRowsRightAndOddRowsLeft) {
  const Grid rows = {"abcdef", "abcdef", "abcdef"};
  EXPECT_EQ(Scattered(rows, {0, 0, 6, 3}, 1, false), (Grid{".abcde", "bcdef.", ".abcde"}));
  EXPECT_EQ(Scattered(rows, {0, 0, 6, 3}, 2, true), (Grid{"efabcd", "cdefab", "efabcd"}));
  // Only the block moves; its rows are counted from its own top.
  EXPECT_EQ(Scattered(rows, Rect::FromSize(1, 1, 4, 2), 1, false), (Grid{"abcdef", "a.bcdf", "acde.f"}));
}

// Shifts the slider cannot give, typed in, still give a sane result.
TEST(ScatterRows, ShiftsBeyondTheWidthOrNegative) {
  const Grid rows = {"abcd", "abcd"};
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 32767, false), (Grid{"....", "...."}));
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 5, true), (Grid{"dabc", "bcda"}));
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, -1, false), (Grid{"bcd.", ".abc"}));
}

TEST(Scatter, ASelectionFiveRowsHighIsScattered) {
  Document doc;
  doc.WorkingImage = Numbered();
  doc.Selection = {10, 4, 20, 9};
  doc.SelectionActive = true;
  const Surface preview = ReDrawQuake(doc, 2, false);
  EXPECT_EQ(doc.WorkingImage, Numbered());
  ApplyScatter(doc, 2, false);
  EXPECT_EQ(doc.WorkingImage, preview);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      Colour expected = NumberedColour(x, y);
      if (y >= 4 && y < 9 && x >= 10 && x < 20) {
        const int from = (y - 4) % 2 == 0 ? x - 2 : x + 2;
        expected = from >= 10 && from < 20 ? NumberedColour(from, y) : kT;
      }
      ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), expected) << x << "," << y;
    }
}

// Blocks take their top left colour (transparent included); with n = 7 the
// last blocks are cut to 4 pixels (32 = 4 × 7 + 4); sizes below 1 do nothing.
TEST(Crystallize, FillsEachBlockWithItsTopLeftColour) {
  for (int n : {2, 7}) {
    Document doc;
    doc.WorkingImage = Numbered();
    doc.WorkingImage.SetPixel(n, n, kT);
    Crystal(doc, n);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const int bx = x / n * n, by = y / n * n;
        const Colour expected = bx == n && by == n ? kT : NumberedColour(bx, by);
        ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), expected) << n << ": " << x << "," << y;
      }
  }
  Surface image = Numbered();
  CrystallizeBlocks(Numbered(), 32, 32, 0, image);
  EXPECT_EQ(image, Numbered());
}

TEST(ShadeRect, ChecksFromTheRectanglesCornerAndKeepsTransparentPixels) {
  const Colour h = kPalette.at('H');
  Surface image = FromGrid({"aaaaa", "a.aaa", "aaaaa"}, kPalette);
  ASSERT_TRUE(ShadeRect(image, {0, 0, 5, 3}, true, kT, h));
  EXPECT_EQ(ToGrid(image, kPalette), (Grid{"HaHaH", "a.aHa", "HaHaH"}));
  // Starting at an odd column the first cell at the corner is highlighted.
  image = FromGrid({"bbbbb", "bbbbb", "bbbbb"}, kPalette);
  ASSERT_TRUE(ShadeRect(image, {1, 1, 5, 3}, true, kT, h));
  EXPECT_EQ(ToGrid(image, kPalette), (Grid{"bbbbb", "bHbHb", "bbHbH"}));
  // Without keep-transparent the transparent pixels are shaded too.
  image = FromGrid({"..", ".."}, kPalette);
  ASSERT_TRUE(ShadeRect(image, {0, 0, 2, 2}, false, kT, h));
  EXPECT_EQ(ToGrid(image, kPalette), (Grid{"H.", ".H"}));
}

}  // namespace
}  // namespace gs
