#pragma once
// Scatter: rows pushed alternately right and left by a fixed distance.

#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

// The intensity a fresh dialog shows.
inline constexpr int kInitialScatterShift = 3;

// Writes the block r of `source` into `destination` at the same place with
// the block's rows 0, 2, 4, … moved right by `shift` pixels and rows 1, 3, …
// moved left (a negative shift moves the other way). With `showEnds` the
// pixels pushed off one end come back in at the other; otherwise the places
// left behind take the transparent colour. Returns false for an empty block.
bool ScatterRows(const Surface& source, const Rect& r, int shift, Surface& destination, bool showEnds,
                 Colour transparent);

// The preview: the image with the selection (or the whole image) scattered.
Surface ReDrawQuake(const Document& doc, int shift, bool showEnds);

// Apply: snapshot, the preview becomes the image, the selection is dropped.
void ApplyScatter(Document& doc, int shift, bool showEnds);

}  // namespace gs
