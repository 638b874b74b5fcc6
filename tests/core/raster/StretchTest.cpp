#include <gtest/gtest.h>

#include "raster/Stretch.h"

namespace gs {
namespace {

Surface Row(std::initializer_list<Colour> colours) {
  Surface s(static_cast<int>(colours.size()), 1);
  int x = 0;
  for (Colour c : colours) s.SetPixel(x++, 0, c);
  return s;
}

std::vector<Colour> RowOf(const Surface& s, int y = 0) {
  return {s.Row(y), s.Row(y) + s.Width()};
}

TEST(StretchNearest, EnlargingByAnIntegerFactorGivesExactBlocks) {
  const Surface src = Row({1, 2, 3, 4});
  Surface dst(12, 1);
  StretchBlt(dst, 0, 0, 12, 1, src, 0, 0, 4, 1);
  EXPECT_EQ(RowOf(dst), (std::vector<Colour>{1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4}));
}

// Centre sampling: destination j takes source floor(((2j+1)·S − 1) / 2D).
TEST(StretchNearest, UnevenEnlargingUsesCentreSampling) {
  const Surface src = Row({1, 2, 3});
  Surface dst(5, 1);
  StretchBlt(dst, 0, 0, 5, 1, src, 0, 0, 3, 1);
  EXPECT_EQ(RowOf(dst), (std::vector<Colour>{1, 1, 2, 3, 3}));

  // The editing view: 32 columns onto 273, 32 rows onto 281.
  Surface image(32, 32);
  for (int i = 0; i < 32; ++i) {
    image.SetPixel(i, 0, static_cast<Colour>(i));
    image.SetPixel(0, i, static_cast<Colour>(i));
  }
  Surface view(273, 281);
  StretchBlt(view, 0, 0, 273, 281, image, 0, 0, 32, 32);
  for (int x = 0; x < 273; ++x) EXPECT_EQ(view.GetPixel(x, 0), static_cast<Colour>(((2 * x + 1) * 32 - 1) / (2 * 273)));
  for (int y = 0; y < 281; ++y) EXPECT_EQ(view.GetPixel(0, y), static_cast<Colour>(((2 * y + 1) * 32 - 1) / (2 * 281)));
}

TEST(StretchNearest, ShrinkingKeepsTheLastPixelOfEachGroup) {
  const Surface src = Row({1, 2, 3, 4, 5, 6, 7, 8});
  Surface dst(4, 1);
  StretchBlt(dst, 0, 0, 4, 1, src, 0, 0, 8, 1);
  EXPECT_EQ(RowOf(dst), (std::vector<Colour>{2, 4, 6, 8}));
}

TEST(StretchNearest, NegativeExtentsMirror) {
  const Surface src = Row({1, 2, 3, 4});
  Surface dst(4, 1);
  StretchBlt(dst, 3, 0, -4, 1, src, 0, 0, 4, 1);
  EXPECT_EQ(RowOf(dst), (std::vector<Colour>{4, 3, 2, 1}));

  // Destination (x = 1, w = −2) from source (0, 2): column 0 goes to 1 and 1 to 0.
  Surface two(2, 1);
  StretchBlt(two, 1, 0, -2, 1, src, 0, 0, 2, 1);
  EXPECT_EQ(RowOf(two), (std::vector<Colour>{2, 1}));

  // Both extents negative: no mirror.
  Surface same(4, 1);
  StretchBlt(same, 4, 0, -4, 1, src, 4, 0, -4, 1);
  EXPECT_EQ(RowOf(same), (std::vector<Colour>{1, 2, 3, 4}));
}

TEST(StretchNearest, MirroringASurfaceOntoItselfReadsTheOriginal) {
  Surface s(1, 4);
  for (int y = 0; y < 4; ++y) s.SetPixel(0, y, static_cast<Colour>(y + 1));
  StretchBlt(s, 0, 3, 1, -4, s, 0, 0, 1, 4);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(s.GetPixel(0, y), static_cast<Colour>(4 - y));
}

TEST(StretchNearest, ClipsAtTheDestinationEdges) {
  const Surface src = Row({1, 2, 3, 4});
  Surface dst(3, 1, 9);
  StretchBlt(dst, -2, 0, 8, 1, src, 0, 0, 4, 1);
  EXPECT_EQ(RowOf(dst), (std::vector<Colour>{2, 2, 3}));
  StretchBlt(dst, 0, 0, 1 << 20, 1, src, 0, 0, 4, 1);  // huge extents do not write out of bounds
  EXPECT_EQ(dst.Width(), 3);
}

TEST(StretchHalftone, ShrinkingAveragesTheCoveredArea) {
  Surface src(4, 2);
  src.SetPixel(0, 0, Rgb(0, 0, 0));
  src.SetPixel(1, 0, Rgb(200, 100, 40));
  src.SetPixel(0, 1, Rgb(100, 100, 100));
  src.SetPixel(1, 1, Rgb(100, 100, 100));
  src.SetPixel(2, 0, Rgb(255, 255, 255));
  src.SetPixel(3, 0, Rgb(255, 255, 255));
  src.SetPixel(2, 1, Rgb(255, 255, 255));
  src.SetPixel(3, 1, Rgb(255, 255, 255));
  Surface dst(2, 1);
  StretchBlt(dst, 0, 0, 2, 1, src, 0, 0, 4, 2, StretchMode::Halftone);
  EXPECT_EQ(dst.GetPixel(0, 0), Rgb(100, 75, 60));
  EXPECT_EQ(dst.GetPixel(1, 0), Rgb(255, 255, 255));
}

TEST(StretchHalftone, EnlargingReplicatesAndMirrors) {
  const Surface src = Row({Rgb(10, 0, 0), Rgb(20, 0, 0)});
  Surface dst(4, 1);
  StretchBlt(dst, 3, 0, -4, 1, src, 0, 0, 2, 1, StretchMode::Halftone);
  EXPECT_EQ(RowOf(dst), (std::vector<Colour>{Rgb(20, 0, 0), Rgb(20, 0, 0), Rgb(10, 0, 0), Rgb(10, 0, 0)}));
}

}  // namespace
}  // namespace gs
