#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "filters/Resample.h"
#include "filters/Transforms.h"

namespace gs {
namespace {

using test::Numbered;
using test::NumberedColour;

TEST(Resample, HalfSizeInTheMiddleAveragesAndLeavesTheRestTransparent) {
  Document doc;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) doc.WorkingImage.SetPixel(x, y, Rgb(4 * x, 4 * y, 100));
  ApplyResample(doc, {16, 16, 8, 8});
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      // The 2 × 2 block at (2i, 2j) averages to 4·(2i + 0.5) = 8i + 2.
      const bool inside = x >= 8 && x < 24 && y >= 8 && y < 24;
      const Colour expected = inside ? Rgb(8 * (x - 8) + 2, 8 * (y - 8) + 2, 100) : doc.TransparentColor;
      ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), expected) << x << "," << y;
    }
}

TEST(Resample, ASelectionIsMovedAndScaledAndItsOldPlaceCleared) {
  Document doc;
  doc.WorkingImage = Numbered();
  doc.Selection = {4, 6, 8, 10};  // 4 × 4
  doc.SelectionActive = true;
  EXPECT_EQ(InitialResampleFields(doc), (ResampleFields{4, 4, 4, 6}));
  ApplyResample(doc, {8, 4, 20, 20});  // twice as wide: each pixel doubled
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      Colour expected = NumberedColour(x, y);
      if (x >= 4 && x < 8 && y >= 6 && y < 10) expected = doc.TransparentColor;
      if (x >= 20 && x < 28 && y >= 20 && y < 24) expected = NumberedColour(4 + (x - 20) / 2, 6 + (y - 20));
      ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), expected) << x << "," << y;
    }
}

// Negative extents mirror; empty or far-off rectangles leave the transparent
// canvas; the largest typed values stretch and clip without hanging.
TEST(Resample, MirrorsAndClipsWhateverTheFieldsHold) {
  Document doc;
  doc.WorkingImage = Numbered();
  Surface leftRight = Numbered(), halfTurn = Numbered();
  MirrorLeftRight(leftRight);
  RotateByQuarters(halfTurn, 180);
  EXPECT_EQ(ReDrawResample(doc, {-32, 32, 31, 0}), leftRight);
  EXPECT_EQ(ReDrawResample(doc, {-32, -32, 31, 31}), halfTurn);
  const Surface transparent(32, 32, doc.TransparentColor);
  EXPECT_EQ(ReDrawResample(doc, {0, 32, 0, 0}), transparent);
  EXPECT_EQ(ReDrawResample(doc, {32, 32, -32767, -32767}), transparent);
  EXPECT_EQ(ReDrawResample(doc, {32767, 32767, 0, 0}), Surface(32, 32, NumberedColour(0, 0)));
}

}  // namespace
}  // namespace gs
