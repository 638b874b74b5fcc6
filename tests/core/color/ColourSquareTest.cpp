#include <gtest/gtest.h>

#include "color/ColourModels.h"
#include "color/ColourSquare.h"

namespace gs {
namespace {

Surface Square() { return Surface(kColourSquarePixels, kColourSquarePixels, 0x123456); }

// 2205 twips: 9 twips a unit, 15/9 units a pixel, 146 painted pixels running to 242.
TEST(DrawColorSquare, RgbOrderAtZ128) {
  Surface picture = Square();
  DrawColorSquare(picture, "RGB", 128);
  EXPECT_EQ(picture.GetPixel(0, 0), 8388608u);
  EXPECT_EQ(picture.GetPixel(3, 6), Rgb(5, 10, 128));  // red across, green down
  EXPECT_EQ(picture.GetPixel(145, 145), Rgb(242, 242, 128));
  // The last column and row are never reached and show the background.
  EXPECT_EQ(picture.GetPixel(146, 0), kColourSquareBackground);
  EXPECT_EQ(picture.GetPixel(0, 146), kColourSquareBackground);
}

// The point chosen for a colour shows it, wherever the square shows it at all;
// values the square skips or never reaches go to the nearest pixel.
TEST(ColourSquarePoint, LandsOnThePixelShowingTheValues) {
  Surface picture = Square();
  DrawColorSquare(picture, "RGB", 40);
  const std::vector<int> shown = SquareAxisValues(kColourSquarePixels, 255);
  for (size_t i = 0; i < shown.size(); ++i) {
    const int h = shown[i], v = shown[shown.size() - 1 - i];
    const std::optional<Point> p = ColourSquarePoint(147, 147, "RGB", h, v);
    ASSERT_TRUE(p);
    EXPECT_EQ(picture.GetPixel(p->x, p->y), Rgb(h, v, 40)) << h << ", " << v;
  }
  EXPECT_EQ(ColourSquarePoint(147, 147, "RGB", 1, 255), (Point{0, 145}));
  EXPECT_EQ(ColourSquarePoint(147, 147, "SHL", 240, 4), (Point{144, 2}));
}

}  // namespace
}  // namespace gs
