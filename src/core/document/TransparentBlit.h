#pragma once
// Block copies that treat one colour (the transparent colour) specially. The
// icon reader, the image operations and printing compose images with them.

#include "raster/Surface.h"

namespace gs {

// Writes into `mask` at (0, 0, w, h) a monochrome image of the block (x, y, w, h)
// of `source`: white (1) where the pixel equals `transparent`, black elsewhere.
// `mask` is resized to at least w × h when smaller.
bool MakeTransparencyMask(const Surface& source, int x, int y, int w, int h, Surface& mask, Colour transparent);

// The block (x, y, w, h) of `destination` receives the same block of `source`,
// except that source pixels of the transparent colour show `background`'s
// pixels taken from its block (0, 0, w, h). Any two of the surfaces may be the same.
bool BlitTransparent(const Surface& source, int x, int y, int w, int h, Colour transparent,
                     const Surface& background, Surface& destination);

// The block (x, y, w, h) of `destination` receives the source block with its
// transparent-coloured pixels replaced by `fill`.
bool BlitOverColour(const Surface& source, int x, int y, int w, int h, Colour transparent, Colour fill,
                    Surface& destination);

}  // namespace gs
