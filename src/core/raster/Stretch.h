#pragma once
// StretchBlt: copies a source rectangle onto a destination rectangle of another
// size. Negative extents mirror (a run of extent w < 0 at x covers x, x−1, …,
// x+w+1); when both extents of an axis are negative that axis is not mirrored.

#include "raster/Surface.h"

namespace gs {

enum class StretchMode {
  ColorOnColor = 3,  // nearest pixel: centre sampling when enlarging, last-wins DDA when shrinking
  Halftone = 4,      // area-weighted average when shrinking, replication when enlarging
};

void StretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                int sh, StretchMode mode = StretchMode::ColorOnColor);

}  // namespace gs
