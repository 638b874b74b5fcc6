#include "raster/Shapes.h"

#include <algorithm>

#include "raster/ShapesDetail.h"

namespace gs {

Pen Pen::Solid(Colour c, int width) { return Pen{Style::Solid, width, c & 0xFFFFFF}; }
Pen Pen::Null() { return Pen{Style::Null, 1, 0}; }
bool Pen::IsNull() const { return style == Style::Null; }

namespace shapes {

Coord FloorDiv(Wide num, Wide den) {
  Wide q = num / den;
  if (num % den != 0 && num < 0) --q;
  return static_cast<Coord>(q);
}

Coord CeilDiv(Wide num, Wide den) {
  Wide q = num / den;
  if (num % den != 0 && num > 0) ++q;
  return static_cast<Coord>(q);
}

namespace {
// Clips x0..x1 of row y to the surface; false when nothing is left.
bool ClipSpan(const Surface& s, Coord y, Coord& x0, Coord& x1) {
  if (y < 0 || y >= s.Height()) return false;
  x0 = std::max<Coord>(x0, 0);
  x1 = std::min<Coord>(x1, s.Width() - 1);
  return x0 <= x1;
}
}  // namespace

void PaintSpan(Surface& s, Coord y, Coord x0, Coord x1, Colour c) {
  if (!ClipSpan(s, y, x0, x1)) return;
  Colour* row = s.Row(static_cast<int>(y));
  std::fill(row + x0, row + x1 + 1, c & 0xFFFFFF);
}

void PaintSpan(Surface& s, Coord y, Coord x0, Coord x1, const Brush& brush) {
  if (brush.IsHollow()) return;
  if (brush.kind == Brush::Kind::Solid) return PaintSpan(s, y, x0, x1, brush.colour);
  if (!ClipSpan(s, y, x0, x1)) return;
  Colour* row = s.Row(static_cast<int>(y));
  for (Coord x = x0; x <= x1; ++x)
    row[x] = brush.At(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF;
}

int EffectiveWidth(const Pen& pen) { return std::clamp(pen.width, 1, kMaxPenWidth); }

namespace {

void PaintThinOutline(Surface& s, const RoundedBox& box, Colour c) {
  const Coord y0 = std::max<Coord>(box.Top(), 0);
  const Coord y1 = std::min<Coord>(box.Bottom(), s.Height());
  for (Coord y = y0; y < y1; ++y) {
    const RoundedBox::Row r = box.At(y);
    if (r.edge) {
      PaintSpan(s, y, r.left, r.right, c);
    } else {
      PaintSpan(s, y, r.left, r.innerLeft, c);
      PaintSpan(s, y, r.innerRight, r.right, c);
    }
  }
}

// A wide outline is the pen tip stamped on every outline pixel: for straight
// edges that is exactly the wide line with round joins; for curves it is the
// union of the round joins between the one-pixel steps.
void PaintWideOutline(Surface& s, const RoundedBox& box, int width, Colour c) {
  const PenTip tip(width);
  const int half = tip.Half();
  const Coord y0 = std::max<Coord>(box.Top() - width, 0);
  const Coord y1 = std::min<Coord>(box.Bottom() + width, s.Height());
  for (Coord y = y0; y < y1; ++y) {
    for (int k = 0; k < tip.Width(); ++k) {
      const Coord source = y - (k - half);  // outline row whose tips reach row y with tip row k
      if (source < box.Top() || source >= box.Bottom()) continue;
      const RoundedBox::Row r = box.At(source);
      const Run& span = tip.RowSpan(k);
      if (r.edge) {
        PaintSpan(s, y, r.left + span.lo, r.right + span.hi, c);
      } else {
        PaintSpan(s, y, r.left + span.lo, r.innerLeft + span.hi, c);
        PaintSpan(s, y, r.innerRight + span.lo, r.right + span.hi, c);
      }
    }
  }
}

}  // namespace

void PaintBoxShape(Surface& s, const RoundedBox& box, const Pen& pen, const Brush& brush) {
  if (!brush.IsHollow()) {
    const Coord y0 = std::max<Coord>(box.Top(), 0);
    const Coord y1 = std::min<Coord>(box.Bottom(), s.Height());
    for (Coord y = y0; y < y1; ++y) {
      const RoundedBox::Row r = box.At(y);
      PaintSpan(s, y, r.left, r.right, brush);
    }
  }
  if (pen.IsNull()) return;
  const int width = EffectiveWidth(pen);
  if (width == 1)
    PaintThinOutline(s, box, pen.colour);
  else
    PaintWideOutline(s, box, width, pen.colour);
}

}  // namespace shapes

void DrawRectangle(Surface& s, const Rect& box, const Pen& pen, const Brush& brush) {
  using shapes::Coord;
  const Coord left = std::min(box.left, box.right), right = std::max(box.left, box.right);
  const Coord top = std::min(box.top, box.bottom), bottom = std::max(box.top, box.bottom);
  if (left == right || top == bottom) return;
  if (pen.IsNull()) {
    // The platform leaves out one more column and row when there is no outline.
    if (brush.IsHollow()) return;
    for (Coord y = std::max<Coord>(top, 0); y < std::min<Coord>(bottom - 1, s.Height()); ++y)
      shapes::PaintSpan(s, y, left, right - 2, brush);
    return;
  }
  shapes::PaintBoxShape(s, shapes::RoundedBox(left, top, right, bottom), pen, brush);
}

}  // namespace gs
