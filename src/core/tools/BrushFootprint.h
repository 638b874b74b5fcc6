#pragma once
// The twelve footprints of the paintbrush, stamped one at a time (successive
// positions are not joined).

#include "raster/Surface.h"

namespace gs {

inline constexpr int kBrushShapeCount = 12;

// Stamps footprint `shape` (0..11) centred on p in colour c: discs in a 7 × 7
// and a 4 × 4 box, a single pixel, squares of 8, 5 and 2, and rising and
// falling diagonals of 8, 5 and 2 pixels.
void StampBrush(Surface& s, int shape, Point p, Colour c);

}  // namespace gs
