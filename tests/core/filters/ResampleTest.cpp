#include <gtest/gtest.h>

#include "FilterTestSupport.h"
#include "filters/Resample.h"
#include "filters/Transforms.h"

namespace gs {
namespace {

using test::Numbered;
using test::NumberedColour;

// Colours chosen so that every 2 × 2 average is a whole number.
Surface Ramp() {
  Surface s(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) s.SetPixel(x, y, Rgb(4 * x, 4 * y, 100));
  return s;
}

TEST(Resample, HalfSizeInTheMiddleAveragesAndLeavesTheRestTransparent) {
  Document doc;
  doc.WorkingImage = Ramp();
  ApplyResample(doc, {16, 16, 8, 8});
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool inside = x >= 8 && x < 24 && y >= 8 && y < 24;
      // The 2 × 2 block at (2i, 2j) averages to 4·(2i + 0.5) = 8i + 2.
      const Colour expected = inside ? Rgb(8 * (x - 8) + 2, 8 * (y - 8) + 2, 100) : doc.TransparentColor;
      ASSERT_EQ(doc.WorkingImage.GetPixel(x, y), expected) << x << "," << y;
    }
  EXPECT_FALSE(doc.Modified);
  ASSERT_TRUE(doc.RestoreBackup());
  EXPECT_EQ(doc.WorkingImage, Ramp());
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
  EXPECT_FALSE(doc.SelectionActive);
  EXPECT_EQ(doc.Selection, Rect{});
}

TEST(Resample, NegativeExtentsMirror) {
  Document doc;
  doc.WorkingImage = Numbered();
  Surface leftRight = Numbered(), halfTurn = Numbered();
  MirrorLeftRight(leftRight);
  RotateByQuarters(halfTurn, 180);
  EXPECT_EQ(ReDrawResample(doc, {-32, 32, 31, 0}), leftRight);
  EXPECT_EQ(ReDrawResample(doc, {-32, -32, 31, 31}), halfTurn);
}

// Whatever the fields hold, the preview comes back: empty extents draw nothing,
// the largest values are stretched and clipped to the canvas.
TEST(Resample, ExtremeFieldsDrawOnlyWhatFallsOnTheCanvas) {
  Document doc;
  doc.WorkingImage = Numbered();
  const Surface transparent(32, 32, doc.TransparentColor);
  EXPECT_EQ(ReDrawResample(doc, {0, 32, 0, 0}), transparent);
  EXPECT_EQ(ReDrawResample(doc, {32, 32, 40, 0}), transparent);
  EXPECT_EQ(ReDrawResample(doc, {32, 32, -32767, -32767}), transparent);
  EXPECT_EQ(ReDrawResample(doc, {32767, 32767, 0, 0}), Surface(32, 32, NumberedColour(0, 0)));
  // Mirrored runs from 32767 down to 1: the source's last pixel reaches the
  // canvas, and row 0 and column 0 stay transparent.
  Surface mirrored(32, 32, NumberedColour(31, 31));
  mirrored.FillRect({0, 0, 32, 1}, doc.TransparentColor);
  mirrored.FillRect({0, 0, 1, 32}, doc.TransparentColor);
  EXPECT_EQ(ReDrawResample(doc, {-32767, -32767, 32767, 32767}), mirrored);
  EXPECT_EQ(ReDrawResample(doc, {32, 32, 0, 0}), Numbered());
}

}  // namespace
}  // namespace gs
