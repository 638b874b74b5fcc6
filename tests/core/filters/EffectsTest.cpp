#include <gtest/gtest.h>

#include <algorithm>

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

constexpr Colour kT = kInitialTransparentColour;

const std::map<char, Colour> kPalette = {
    {'.', kT},         {'a', Rgb(1, 0, 0)}, {'b', Rgb(2, 0, 0)}, {'c', Rgb(3, 0, 0)}, {'d', Rgb(4, 0, 0)},
    {'e', Rgb(5, 0, 0)}, {'f', Rgb(6, 0, 0)}, {'H', Rgb(0, 0, 200)}, {'K', 0x000000}};

std::vector<std::string> Scattered(const std::vector<std::string>& rows, const Rect& r, int shift, bool ends) {
  const Surface source = FromGrid(rows, kPalette);
  Surface destination = source;
  EXPECT_TRUE(ScatterRows(source, r, shift, destination, ends, kT));
  return ToGrid(destination, kPalette);
}

TEST(ScatterRows, ShiftsEvenRowsRightAndOddRowsLeft) {
  const std::vector<std::string> rows = {"abcdef", "abcdef", "abcdef"};
  EXPECT_EQ(Scattered(rows, {0, 0, 6, 3}, 1, false), (std::vector<std::string>{".abcde", "bcdef.", ".abcde"}));
  EXPECT_EQ(Scattered(rows, {0, 0, 6, 3}, 1, true), (std::vector<std::string>{"fabcde", "bcdefa", "fabcde"}));
  EXPECT_EQ(Scattered(rows, {0, 0, 6, 3}, 2, true), (std::vector<std::string>{"efabcd", "cdefab", "efabcd"}));
  // Only the block moves; its rows are counted from its own top.
  EXPECT_EQ(Scattered(rows, Rect::FromSize(1, 1, 4, 2), 1, false), (std::vector<std::string>{"abcdef", "a.bcdf", "acde.f"}));
}

// Shifts the slider cannot give: typed in, they must still give a sane result.
TEST(ScatterRows, ShiftsBeyondTheWidthOrNegative) {
  const std::vector<std::string> rows = {"abcd", "abcd"};
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 4, false), (std::vector<std::string>{"....", "...."}));
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 32767, false), (std::vector<std::string>{"....", "...."}));
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 4, true), rows);
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 5, true), (std::vector<std::string>{"dabc", "bcda"}));
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, -1, false), (std::vector<std::string>{"bcd.", ".abc"}));
  EXPECT_EQ(Scattered(rows, {0, 0, 4, 2}, 0, false), rows);
}

TEST(Scatter, WithEndsEveryRowKeepsItsPixels) {
  Document doc;
  doc.WorkingImage = Numbered();
  ApplyScatter(doc, 3, true);
  const Surface start = Numbered();
  for (int y = 0; y < 32; ++y) {
    std::vector<Colour> before(start.Row(y), start.Row(y) + 32);
    std::vector<Colour> after(doc.WorkingImage.Row(y), doc.WorkingImage.Row(y) + 32);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before) << y;
  }
}

TEST(Scatter, ASelectionFiveRowsHighIsScatteredAndCleared) {
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
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_FALSE(doc.Modified);
  ASSERT_TRUE(doc.RestoreBackup());
  EXPECT_EQ(doc.WorkingImage, Numbered());
}

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
    EXPECT_TRUE(doc.UndoAvailable());
  }
  // 32 = 4 × 7 + 4: the last blocks are cut to 4 pixels.
  Surface image = Numbered();
  CrystallizeBlocks(Numbered(), 32, 32, 7, image);
  EXPECT_EQ(image.GetPixel(27, 0), NumberedColour(21, 0));
  EXPECT_EQ(image.GetPixel(28, 31), NumberedColour(28, 28));
  EXPECT_EQ(image.GetPixel(31, 31), NumberedColour(28, 28));
}

TEST(Crystallize, ABlockSizeBelowOneChangesNothing) {
  Surface image = Numbered();
  CrystallizeBlocks(Numbered(), 32, 32, 0, image);
  CrystallizeBlocks(Numbered(), 32, 32, -3, image);
  EXPECT_EQ(image, Numbered());
}

TEST(ShadeRect, ChecksFromTheRectanglesCornerAndKeepsTransparentPixels) {
  const Colour h = kPalette.at('H');
  Surface image = FromGrid({"aaaaa", "a.aaa", "aaaaa", "aaaaa"}, kPalette);
  ASSERT_TRUE(ShadeRect(image, {0, 0, 5, 4}, true, kT, h));
  EXPECT_EQ(ToGrid(image, kPalette), (std::vector<std::string>{"HaHaH", "a.aHa", "HaHaH", "aHaHa"}));

  // Starting at an odd column the first cell at the corner is highlighted.
  image = FromGrid({"bbbbb", "bbbbb", "bbbbb"}, kPalette);
  ASSERT_TRUE(ShadeRect(image, {1, 1, 5, 3}, true, kT, h));
  EXPECT_EQ(ToGrid(image, kPalette), (std::vector<std::string>{"bbbbb", "bHbHb", "bbHbH"}));

  // Without keep-transparent the transparent pixels are shaded too.
  image = FromGrid({"..", ".."}, kPalette);
  ASSERT_TRUE(ShadeRect(image, {0, 0, 2, 2}, false, kT, h));
  EXPECT_EQ(ToGrid(image, kPalette), (std::vector<std::string>{"H.", ".H"}));
  EXPECT_FALSE(ShadeRect(image, {1, 1, 1, 3}, true, kT, h));
}

TEST(ShadeRect, TheCommandKeepsTheSelection) {
  Document doc;
  doc.WorkingImage.Fill(Rgb(9, 9, 9));
  doc.Selection = {3, 2, 6, 4};
  doc.SelectionActive = true;
  ShadeCommand(doc, Rgb(0, 0, 200));
  EXPECT_EQ(doc.WorkingImage.GetPixel(3, 2), Rgb(0, 0, 200));
  EXPECT_EQ(doc.WorkingImage.GetPixel(4, 2), Rgb(9, 9, 9));
  EXPECT_EQ(doc.WorkingImage.GetPixel(2, 2), Rgb(9, 9, 9));
  EXPECT_EQ(doc.WorkingImage.GetPixel(5, 4), Rgb(9, 9, 9));
  EXPECT_TRUE(doc.SelectionActive);
  EXPECT_TRUE(doc.UndoAvailable());
}

}  // namespace
}  // namespace gs
