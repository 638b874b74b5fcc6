#include <algorithm>
#include <cstdlib>

#include "raster/Shapes.h"
#include "raster/ShapesDetail.h"

namespace gs {
namespace shapes {

RoundedBox::RoundedBox(Coord left, Coord top, Coord right, Coord bottom)
    : left_(left), top_(top), right_(right), bottom_(bottom) {}

RoundedBox::RoundedBox(Coord left, Coord top, Coord right, Coord bottom, Coord cornerWidth,
                       Coord cornerHeight)
    : left_(left), top_(top), right_(right), bottom_(bottom) {
  corner_.emplace(cornerWidth, cornerHeight);
}

RoundedBox::Row RoundedBox::At(Coord y) const {
  // Rows near the top and bottom edges take their runs from the corner quarter
  // (the top ones mirrored); the rows between them are straight sides.
  const Coord fromEdge = std::min(y - top_, bottom_ - 1 - y);
  Run run{0, 0};
  if (corner_ && fromEdge < corner_->Rows()) run = corner_->At(corner_->Rows() - 1 - fromEdge);
  Row r;
  r.left = left_ + run.lo;
  r.right = right_ - 1 - run.lo;
  r.innerLeft = left_ + run.hi;
  r.innerRight = right_ - 1 - run.hi;
  r.edge = fromEdge == 0;
  return r;
}

PenTip::PenTip(int width) {
  const int half = width / 2;
  const RoundedBox shape = width <= 2
                               ? RoundedBox(-half, -half, width - half, width - half)
                               : RoundedBox(-half, -half, width - half, width - half, width, width);
  for (int k = 0; k < width; ++k) {
    const RoundedBox::Row r = shape.At(k - half);
    rows_.push_back(Run{r.left, r.right});
  }
}

void PenTip::Paint(Surface& s, Coord x, Coord y, Colour c) const {
  for (int k = 0; k < Width(); ++k)
    PaintSpan(s, y + k - Half(), x + rows_[k].lo, x + rows_[k].hi, c);
}

namespace {

struct Box {
  Coord left, top, right, bottom;
  Coord Width() const { return right - left; }
  Coord Height() const { return bottom - top; }
};

Box Normalised(const Rect& r) {
  return {std::min<Coord>(r.left, r.right), std::min<Coord>(r.top, r.bottom),
          std::max<Coord>(r.left, r.right), std::max<Coord>(r.top, r.bottom)};
}

}  // namespace
}  // namespace shapes

void DrawRoundRect(Surface& s, const Rect& box, int cornerWidth, int cornerHeight, const Pen& pen,
                   const Brush& brush) {
  using namespace shapes;
  const Box b = Normalised(box);
  if (b.Width() == 0 || b.Height() == 0) return;
  const Coord cw = std::min<Coord>(b.Width(), std::llabs(cornerWidth));
  const Coord ch = std::min<Coord>(b.Height(), std::llabs(cornerHeight));
  if (cw <= 2 || ch <= 2) return DrawRectangle(s, box, pen, brush);
  PaintBoxShape(s, RoundedBox(b.left, b.top, b.right, b.bottom, cw, ch), pen, brush);
}

void DrawEllipse(Surface& s, const Rect& box, const Pen& pen, const Brush& brush) {
  using namespace shapes;
  const Box b = Normalised(box);
  if (b.Width() == 0 || b.Height() == 0) return;
  if (b.Width() <= 2 || b.Height() <= 2) return DrawRectangle(s, box, pen, brush);
  PaintBoxShape(s, RoundedBox(b.left, b.top, b.right, b.bottom, b.Width(), b.Height()), pen,
                brush);
}

}  // namespace gs
