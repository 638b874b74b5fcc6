#include "document/ViewGeometry.h"

#include <cmath>

#include "raster/Stretch.h"

namespace gs {

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

Point ViewGeometry::ViewToPixel(double x, double y) const {
  return {static_cast<int>(std::floor(static_cast<float>(x) / CellWidth())),
          static_cast<int>(std::floor(static_cast<float>(y) / CellHeight()))};
}

Rect ViewGeometry::SelectionViewRect(const Rect& s) const {
  const float cw = CellWidth(), ch = CellHeight();
  return {RoundHalfEven(s.left * cw), RoundHalfEven(s.top * ch), RoundHalfEven(s.right * cw),
          RoundHalfEven(s.bottom * ch)};
}

namespace {

// The outline of a box in the pen's order (from the top-right corner,
// counter-clockwise), every pixel once, dotted three on and three off with the
// gaps left untouched, each drawn pixel inverted.
void DrawInvertingDottedBox(Surface& s, const Rect& box) {
  if (box.IsEmpty()) return;
  const int l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
  int step = 0;
  auto plot = [&](int x, int y) {
    if (step++ % 6 < 3 && s.Contains(x, y)) s.Row(y)[x] ^= 0xFFFFFF;
  };
  if (l == r || t == b) {  // a line one pixel thick: each pixel once
    for (int y = t; y <= b; ++y)
      for (int x = l; x <= r; ++x) plot(x, y);
    return;
  }
  for (int x = r; x > l; --x) plot(x, t);
  for (int y = t; y < b; ++y) plot(l, y);
  for (int x = l; x < r; ++x) plot(x, b);
  for (int y = b; y > t; --y) plot(r, y);
}

}  // namespace

void RenderView(const Document& doc, const ViewGeometry& view, Surface& out) {
  if (out.Width() != view.W || out.Height() != view.H) out = Surface(view.W, view.H);
  StretchBlt(out, 0, 0, view.W, view.H, doc.WorkingImage, 0, 0, kImageSize, kImageSize,
             StretchMode::ColorOnColor);
  if (doc.SelectionActive && !doc.MovingSelection)
    DrawInvertingDottedBox(out, view.SelectionViewRect(doc.Selection.Normalised()));
}

Surface RenderView(const Document& doc, const ViewGeometry& view) {
  Surface out(view.W, view.H);
  RenderView(doc, view, out);
  return out;
}

std::string RgbStatusText(Colour c) {
  const ColourParts p = SplitColour(c);
  return "RGB: " + std::to_string(p.Red) + " " + std::to_string(p.Green) + " " + std::to_string(p.Blue);
}

}  // namespace gs
