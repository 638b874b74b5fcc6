#include <gtest/gtest.h>

#include "color/ColourModels.h"
#include "color/ColourSquare.h"

namespace gs {
namespace {

TEST(SquareAxisValues, WholeTwipsPerUnitOvershootTheMaximum) {
  // 2205 twips: 9 twips a unit, 15/9 units a pixel, 146 painted pixels.
  const std::vector<int> values = SquareAxisValues(kColourSquarePixels, 255);
  ASSERT_EQ(values.size(), 146u);
  EXPECT_EQ(values[0], 0);
  EXPECT_EQ(values[1], 2);
  EXPECT_EQ(values[3], 5);
  EXPECT_EQ(values[77], 128);
  EXPECT_EQ(values.back(), 242);
  EXPECT_EQ(SquareAxisValues(kColourSquarePixels, 239), values);
  EXPECT_TRUE(SquareAxisValues(1, 255).empty());
}

TEST(DrawColorSquare, RgbOrderAtZ128) {
  Surface picture(kColourSquarePixels, kColourSquarePixels, 0x123456);
  DrawColorSquare(picture, "RGB", 128);
  EXPECT_EQ(picture.GetPixel(0, 0), Rgb(0, 0, 128));
  EXPECT_EQ(picture.GetPixel(0, 0), 8388608u);
  EXPECT_EQ(picture.GetPixel(3, 6), Rgb(5, 10, 128));  // red across, green down
  EXPECT_EQ(picture.GetPixel(145, 145), Rgb(242, 242, 128));
  // The last column and row are never reached and show the background.
  EXPECT_EQ(picture.GetPixel(146, 0), kColourSquareBackground);
  EXPECT_EQ(picture.GetPixel(0, 146), kColourSquareBackground);
}

TEST(DrawColorSquare, EachLetterDrivesItsComponent) {
  Surface picture(kColourSquarePixels, kColourSquarePixels);
  DrawColorSquare(picture, "GBR", 7);
  EXPECT_EQ(picture.GetPixel(3, 6), Rgb(7, 5, 10));
  DrawColorSquare(picture, "BRG", 300);  // Z beyond 255 clamps
  EXPECT_EQ(picture.GetPixel(3, 6), Rgb(10, 255, 5));

  // Saturation down from the top: the top row is the grey of Z whatever the hue.
  DrawColorSquare(picture, "HSL", 120);
  for (int x = 0; x < 146; x += 29) EXPECT_EQ(picture.GetPixel(x, 0), Rgb(127, 127, 127)) << x;
  EXPECT_EQ(picture.GetPixel(0, 72), HSLToColor(0, 120, 120));
  // Luminance across, hue 0 fixed: black down the left edge, grey along the top.
  DrawColorSquare(picture, "LSH", 0);
  for (int y = 0; y < 146; y += 29) EXPECT_EQ(picture.GetPixel(0, y), 0u) << y;
  EXPECT_EQ(picture.GetPixel(72, 0), Rgb(127, 127, 127));
  EXPECT_EQ(picture.GetPixel(72, 72), HSLToColor(0, 120, 120));
}

TEST(DrawColorSquare, UnknownOrderLeavesThePictureCleared) {
  Surface picture(kColourSquarePixels, kColourSquarePixels);
  DrawColorSquare(picture, "RGB", 0);
  for (const char* order : {"RGH", "", "rgb", "RGBX"}) {
    DrawColorSquare(picture, order, 0);
    EXPECT_EQ(picture, Surface(kColourSquarePixels, kColourSquarePixels, kColourSquareBackground))
        << order;
  }
}

TEST(ColourSquare, PaintsOnlyForANewKeyAndReadsMinusOneOutside) {
  ColourSquare square;
  EXPECT_TRUE(square.Update("RGB", 128));
  EXPECT_FALSE(square.Update("RGB", 128));
  EXPECT_EQ(square.ColourAt(0, 0), 8388608);
  EXPECT_EQ(square.ColourAt(-1, 0), -1);
  EXPECT_EQ(square.ColourAt(0, kColourSquarePixels), -1);
  EXPECT_TRUE(square.Update("RBG", 128));
  EXPECT_EQ(square.ColourAt(3, 6), Rgb(5, 128, 10));
  EXPECT_TRUE(square.Update("RBG", 0));
  EXPECT_TRUE(square.Update("XYZ", 0));
  EXPECT_FALSE(square.Update("XYZ", 0));
}

// The point chosen for a colour is one that shows it, wherever the square
// shows it at all.
TEST(ColourSquarePoint, LandsOnThePixelShowingTheValues) {
  Surface picture(kColourSquarePixels, kColourSquarePixels);
  DrawColorSquare(picture, "RGB", 40);
  const std::vector<int> shown = SquareAxisValues(kColourSquarePixels, 255);
  for (size_t i = 0; i < shown.size(); ++i) {
    const int h = shown[i], v = shown[shown.size() - 1 - i];
    const std::optional<Point> p = ColourSquarePoint(kColourSquarePixels, kColourSquarePixels, "RGB", h, v);
    ASSERT_TRUE(p);
    EXPECT_EQ(picture.GetPixel(p->x, p->y), Rgb(h, v, 40)) << h << ", " << v;
  }
  // Values the square skips or never reaches go to the nearest pixel.
  EXPECT_EQ(ColourSquarePoint(147, 147, "RGB", 1, 255), (Point{0, 145}));
  EXPECT_EQ(ColourSquarePoint(147, 147, "SHL", 240, 4), (Point{144, 2}));
  EXPECT_FALSE(ColourSquarePoint(147, 147, "RRR", 0, 0));
}

}  // namespace
}  // namespace gs
