#include <algorithm>
#include <cstdlib>

#include "raster/Shapes.h"
#include "raster/ShapesDetail.h"

namespace gs {
namespace shapes {

void DrawWideLine(Surface& s, Point a, Point b, int width, Colour c);  // LineWide.cpp

namespace {

// Octants counted with y growing downwards, 1 to 8 (dx, dy not both 0).
int Octant(Coord dx, Coord dy) {
  const bool xMajor = std::llabs(dx) > std::llabs(dy);
  if (dy > 0) {
    if (dx > 0) return xMajor ? 1 : 2;
    return xMajor ? 4 : 3;  // dx ≤ 0
  }
  if (dx < 0) return xMajor ? 5 : 6;  // dy ≤ 0
  return xMajor ? 8 : 7;              // dx ≥ 0, dy ≤ 0
}

// The platform breaks exact half-pixel ties towards the minor axis only in these
// octants, which makes A→B and B→A light the same pixels.
int TieBias(int octant) { return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0; }

// One-pixel line from a up to, not including, b. The minor offset after i major
// steps has a closed form, so a line far longer than the surface starts at its
// first visible step instead of walking there.
void DrawThinLine(Surface& s, Point a, Point b, Colour c) {
  const Coord dx = Coord{b.x} - a.x, dy = Coord{b.y} - a.y;
  if (dx == 0 && dy == 0) return;
  const bool xMajor = std::llabs(dx) > std::llabs(dy);
  const Coord major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const Coord minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const Coord majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const Coord minorStep = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const Coord majorStart = xMajor ? a.x : a.y, minorStart = xMajor ? a.y : a.x;
  const Coord majorSize = xMajor ? s.Width() : s.Height();
  const int bias = TieBias(Octant(dx, dy));

  // Steps whose major coordinate lies on the surface.
  Coord first = 0, last = major - 1;
  if (majorStep > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, majorSize - 1 - majorStart);
  } else {
    first = std::max(first, majorStart - (majorSize - 1));
    last = std::min(last, majorStart);
  }
  if (first > last) return;

  // Before step i the minor offset is k = floor((2m·i + M − 1 + bias) / 2M) and
  // the error 2m − M + 2m·i − 2M·k, as the step-by-step rule leaves them.
  const Wide twoM = 2 * Wide{major}, twoMinor = 2 * Wide{minor};
  Coord k = FloorDiv(twoMinor * first + major - 1 + bias, twoM);
  Coord err = static_cast<Coord>(twoMinor - major + twoMinor * first - twoM * k);
  for (Coord i = first; i <= last; ++i) {
    const Coord m = majorStart + majorStep * i, n = minorStart + minorStep * k;
    if (xMajor)
      PaintSpan(s, n, m, m, c);
    else
      PaintSpan(s, m, n, n, c);
    if (err + bias > 0) {
      ++k;
      err += 2 * minor - 2 * major;
    } else {
      err += 2 * minor;
    }
  }
}

}  // namespace
}  // namespace shapes

void DrawLine(Surface& s, Point a, Point b, const Pen& pen) {
  if (pen.IsNull()) return;
  const int width = shapes::EffectiveWidth(pen);
  if (width == 1)
    shapes::DrawThinLine(s, a, b, pen.colour);
  else
    shapes::DrawWideLine(s, a, b, width, pen.colour);
}

}  // namespace gs
