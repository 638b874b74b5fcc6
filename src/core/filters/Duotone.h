#pragma once
// Duotone: every colour masked bit by bit with one duotone colour, so that
// only the channels the duotone colour has survive.

#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

// The duotone colour a fresh dialog starts with: pure red.
inline constexpr Colour kInitialDuotoneColour = 0x0000FF;

// Writes the block r of `source` into `destination` at the same place, each
// pixel ANDed with `duotone`, except that pixels of the transparent colour are
// written as the transparent colour. Returns false for an empty block.
bool DuotoneRect(const Surface& source, const Rect& r, Colour duotone, Colour transparent, Surface& destination);

// The preview: the image with the selection (or the whole image) in duotone.
Surface ReDrawDuo(const Document& doc, Colour duotone);

// OK: snapshot, the preview becomes the image, the selection is dropped.
void ApplyDuotone(Document& doc, Colour duotone);

}  // namespace gs
