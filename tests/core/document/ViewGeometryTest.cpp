#include <gtest/gtest.h>

#include <algorithm>

#include "document/ViewGeometry.h"

namespace gs {
namespace {

// With 64 × 48 a cell is 2 × 1.5: selection rows 1 and 3 land on 1.5 and 4.5.
TEST(ViewGeometry, ViewToPixelFloorsWithoutClampingAndTheMarqueeRoundsHalvesToEven) {
  const ViewGeometry view{273, 281};
  EXPECT_EQ(view.ViewToPixel(0, 0), (Point{0, 0}));
  EXPECT_EQ(view.ViewToPixel(273 - 0.01, 281 - 0.01), (Point{31, 31}));
  EXPECT_EQ(view.ViewToPixel(-0.5, -20), (Point{-1, -3}));
  EXPECT_EQ(view.ViewToPixel(300, 290), (Point{35, 33}));
  EXPECT_EQ((ViewGeometry{64, 48}.SelectionViewRect({1, 1, 2, 3})), (Rect{2, 2, 4, 4}));
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RgbStatusText(Rgb(255, 0, 9)), "RGB: 255 0 9");
}

// The marquee is a dotted inverting outline (three on, three off, starting at the
// top-right corner) exactly on the selection's cell borders, which differ across
// and down when W ≠ H; it is hidden while a block is moved.
TEST(RenderView, TheMarqueeLiesOnTheCellBordersUnlessABlockIsMoved) {
  Document doc;
  doc.Selection = {10, 20, 3, 5};
  doc.SelectionActive = true;
  const Surface view = RenderView(doc, {273, 281});
  const Rect r{26, 44, 85, 176};
  constexpr Colour kInverted = 0x1F1F1F;
  const auto inverted = std::count(view.Pixels().begin(), view.Pixels().end(), kInverted);
  EXPECT_EQ(std::count(view.Pixels().begin(), view.Pixels().end(), 0xE0E0E0) + inverted, 273 * 281);
  int onOutline = 0;
  for (int x = r.left; x < r.right; ++x)
    onOutline += (view.GetPixel(x, r.top) == kInverted) + (view.GetPixel(x, r.bottom - 1) == kInverted);
  for (int y = r.top + 1; y < r.bottom - 1; ++y)
    onOutline += (view.GetPixel(r.left, y) == kInverted) + (view.GetPixel(r.right - 1, y) == kInverted);
  EXPECT_EQ(onOutline, inverted);
  EXPECT_NEAR(inverted, r.Width() + r.Height() - 2, 3);
  EXPECT_EQ(view.GetPixel(r.right - 1, r.top), kInverted);
  doc.MovingSelection = true;
  EXPECT_EQ(RenderView(doc, {273, 281}), Surface(273, 281, 0xE0E0E0));
}

}  // namespace
}  // namespace gs
