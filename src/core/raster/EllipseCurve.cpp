#include <algorithm>
#include <cmath>

#include "raster/ShapesDetail.h"

namespace gs::shapes {

QuarterCurve::QuarterCurve(Coord width, Coord height)
    : width_(width), height_(height), rows_(height - height / 2) {
  if (width > kExactLimit || height > kExactLimit) return;

  // Integer midpoint walk over the quarter from the middle of the right edge
  // (x = a, the lower middle row) towards the middle of the bottom edge. The
  // error terms are those of the implicit curve scaled by 4, so that boxes of
  // even size (centre between pixels) stay in integers. Both steps are decided
  // on the same error, which allows diagonal moves.
  const Coord a = width - 1, b = height - 1;
  const Coord stepX = 8 * b * b, stepY = 8 * a * a;
  Coord dx = 4 * b * b * (1 - a);
  Coord dy = 4 * a * a * (1 + b % 2);
  Coord err = dx + dy + a * a * (b % 2);
  Coord x = a, row = 0;

  runs_.assign(static_cast<size_t>(rows_), Run{-1, -1});
  while (x >= width / 2 && row < rows_) {
    Run& run = runs_[static_cast<size_t>(row)];
    const Coord inset = a - x;
    if (run.lo < 0) run.lo = inset;
    run.hi = inset;
    const Coord e2 = 2 * err;
    if (e2 >= dx) {
      --x;
      dx += stepX;
      err += dx;
    }
    if (e2 <= dy) {
      ++row;
      dy += stepY;
      err += dy;
    }
  }
  // A tall, narrow ellipse reaches the middle column before the bottom edge:
  // carry the tip straight on so that the shape meets its box.
  const Coord middle = (width + 1) / 2 - 1;
  for (Run& run : runs_)
    if (run.lo < 0) run = Run{middle, middle};
}

Run QuarterCurve::At(Coord row) const {
  if (!runs_.empty()) return runs_[static_cast<size_t>(row)];
  return Analytic(row);
}

// The same quarter from the real curve through the outermost pixel centres:
// a row covers the columns the curve crosses between the row's upper and lower
// pixel edges, so neighbouring rows share a column and the outline stays joined.
Run QuarterCurve::Analytic(Coord row) const {
  const double ra = (static_cast<double>(width_) - 1) / 2;
  const double rb = (static_cast<double>(height_) - 1) / 2;
  const Coord middle = (width_ + 1) / 2 - 1;
  const double centreOffset = (height_ % 2 == 0) ? 0.5 : 0.0;
  auto insetAt = [&](double v) {
    v = std::clamp(v, 0.0, rb);
    const double x = rb > 0 ? ra * std::sqrt((rb - v) * (rb + v)) / rb : 0.0;
    return std::clamp(static_cast<Coord>(std::llround(ra - x)), Coord{0}, middle);
  };
  const double v = static_cast<double>(row) + centreOffset;
  Run run{insetAt(v - 0.5), insetAt(v + 0.5)};
  if (row == rows_ - 1) run.hi = middle;
  run.lo = std::min(run.lo, run.hi);
  return run;
}

}  // namespace gs::shapes
