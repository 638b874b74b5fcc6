#pragma once
// The adaptive 256-colour palette of 8-bit icons: the image's own colours in
// the order they are found, and the nearest-colour rule that maps pixels to it.

#include <array>

#include "raster/Surface.h"

namespace gs {

using Palette256 = std::array<Colour, 256>;

// Gathers the distinct colours of a 32 × 32 image into a 256-entry table in
// order of discovery and stops at 256; unfilled entries stay black. Pixels are
// visited in four interleaved passes over the top-down pixel order (pass p
// visits pixels p, p + 4, p + 8, ...), so an image with more than 256 colours
// keeps colours spread over the whole picture, not just its top rows.
Palette256 BuildAdaptivePalette(const Surface& image);

// The entry nearest to (r, g, b) by the sum of channel differences, scanning all
// 256 entries. On equal distance the candidate wins only when
// |g − Rj| + |b − Gj| + |r − Bj| is strictly smaller than the same score of the
// current best; otherwise the earlier entry stays.
int NearestPaletteIndex(const Palette256& palette, int r, int g, int b);

}  // namespace gs
