#include <algorithm>
#include <cmath>

#include "raster/ShapesDetail.h"

namespace gs::shapes {

namespace {

Wide ISqrt(Wide v) {
  Wide r = static_cast<Wide>(std::sqrt(static_cast<long double>(v)));
  while (r > 0 && r * r > v) --r;
  while ((r + 1) * (r + 1) <= v) ++r;
  return r;
}

// Narrows [lo, hi] to the x with low ≤ slope·x + offset ≤ high.
void Constrain(Wide slope, Wide offset, Wide low, Wide high, Coord& lo, Coord& hi) {
  if (slope == 0) {
    if (offset < low || offset > high) hi = lo - 1;
    return;
  }
  if (slope > 0) {
    lo = std::max(lo, CeilDiv(low - offset, slope));
    hi = std::min(hi, FloorDiv(high - offset, slope));
  } else {
    lo = std::max(lo, CeilDiv(offset - high, -slope));
    hi = std::min(hi, FloorDiv(offset - low, -slope));
  }
}

}  // namespace

// The body of a wide segment: every pixel whose centre lies within width/2 of
// the segment and between the perpendiculars through its ends. The centre line
// runs through the pixel centres of a and b for odd widths and through their
// top-left corners for even ones, which is where the platform puts the extra
// row of an even pen: a horizontal line of width w covers rows y − w/2 …
// y − w/2 + w − 1. Worked in doubled coordinates so that centres are integers.
void DrawWideLine(Surface& s, Point a, Point b, int width, Colour c) {
  const PenTip tip(width);
  tip.Paint(s, a.x, a.y, c);
  if (a == b) return;
  tip.Paint(s, b.x, b.y, c);

  const Coord shift = width % 2;
  const Wide ax = 2 * Wide{a.x} + shift, ay = 2 * Wide{a.y} + shift;
  const Wide dx = 2 * (Wide{b.x} - a.x), dy = 2 * (Wide{b.y} - a.y);
  const Wide length2 = dx * dx + dy * dy;
  const Wide reach = ISqrt(Wide{width} * width * length2);  // |cross| ≤ width·|d|

  const Coord y0 = std::max<Coord>(std::min(a.y, b.y) - width, 0);
  const Coord y1 = std::min<Coord>(std::max(a.y, b.y) + width, s.Height() - 1);
  for (Coord y = y0; y <= y1; ++y) {
    // For the pixel centre (2x + 1, 2y + 1): p = centre − start, dot = p·d,
    // cross = p × d, both linear in x.
    const Wide py = 2 * Wide{y} + 1 - ay, pxBase = 1 - ax;
    Coord lo = 0, hi = s.Width() - 1;
    Constrain(2 * dx, pxBase * dx + py * dy, 0, length2, lo, hi);
    Constrain(2 * dy, pxBase * dy - py * dx, -reach, reach, lo, hi);
    if (lo <= hi) PaintSpan(s, y, lo, hi, c);
  }
}

}  // namespace gs::shapes
