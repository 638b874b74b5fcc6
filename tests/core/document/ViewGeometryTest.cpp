#include <gtest/gtest.h>

#include "document/ViewGeometry.h"

namespace gs {
namespace {

TEST(ViewToPixel, FloorsAndDoesNotClamp) {
  const ViewGeometry view{273, 281};
  EXPECT_EQ(view.ViewToPixel(0, 0), (Point{0, 0}));
  EXPECT_EQ(view.ViewToPixel(273 - 0.01, 281 - 0.01), (Point{31, 31}));
  EXPECT_EQ(view.ViewToPixel(0.99 * 273 / 32, 0.99 * 281 / 32), (Point{0, 0}));
  EXPECT_EQ(view.ViewToPixel(273.0 / 32, 281.0 / 32), (Point{1, 1}));
  EXPECT_EQ(view.ViewToPixel(-0.5, -20), (Point{-1, -3}));
  EXPECT_EQ(view.ViewToPixel(300, 290), (Point{35, 33}));
}

TEST(SelectionViewRect, RoundsEachCornerHalvesToEven) {
  // With 64 × 48 a cell is 2 × 1.5: rows 1 and 3 land on 1.5 and 4.5.
  const ViewGeometry view{64, 48};
  EXPECT_EQ(view.SelectionViewRect({1, 1, 2, 3}), (Rect{2, 2, 4, 4}));
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST(RenderView, AnImageOfOneColourGivesAUniformView) {
  Document doc;
  const Surface view = RenderView(doc, {273, 281});
  EXPECT_EQ(view, Surface(273, 281, 0xE0E0E0));
}

// The marquee is a dotted inverting outline exactly on the selection's view
// rectangle; with W ≠ H the horizontal and vertical cell sizes differ.
TEST(RenderView, TheMarqueeLiesOnTheCellBorders) {
  Document doc;
  const ViewGeometry geometry{273, 281};
  doc.Selection = {3, 5, 10, 20};
  doc.SelectionActive = true;
  const Surface view = RenderView(doc, geometry);
  const Rect r = geometry.SelectionViewRect(doc.Selection);
  ASSERT_EQ(r, (Rect{26, 44, 85, 176}));

  constexpr Colour kInverted = 0x1F1F1F;
  int inverted = 0;
  for (int y = 0; y < view.Height(); ++y)
    for (int x = 0; x < view.Width(); ++x) {
      const Colour c = view.GetPixel(x, y);
      const bool onOutline = (x == r.left || x == r.right - 1) ? (y >= r.top && y < r.bottom)
                                                                : (y == r.top || y == r.bottom - 1) && x >= r.left &&
                                                                      x < r.right;
      if (c == kInverted) {
        ++inverted;
        EXPECT_TRUE(onOutline) << x << "," << y;
      } else {
        EXPECT_EQ(c, 0xE0E0E0u) << x << "," << y;
      }
    }
  // Three on, three off around the whole outline.
  const int perimeter = 2 * (r.Width() + r.Height()) - 4;
  EXPECT_NEAR(inverted, perimeter / 2, 3);
  EXPECT_EQ(view.GetPixel(r.right - 1, r.top), kInverted);  // the pen starts at the top-right corner
}

TEST(RenderView, NoMarqueeWhileABlockIsMoved) {
  Document doc;
  doc.Selection = {3, 5, 10, 20};
  doc.SelectionActive = true;
  doc.MovingSelection = true;
  EXPECT_EQ(RenderView(doc, {273, 281}), Surface(273, 281, 0xE0E0E0));
}

TEST(RgbStatusText, WritesEachPartWithOneLeadingSpace) {
  EXPECT_EQ(RgbStatusText(Rgb(255, 0, 0)), "RGB: 255 0 0");
  EXPECT_EQ(RgbStatusText(0xE0E0E0), "RGB: 224 224 224");
}

}  // namespace
}  // namespace gs
