#pragma once
// Shaderect: a one-pixel checkerboard of the highlight colour laid over a
// rectangle of the image.

#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

// Cells whose column + row, counted from the rectangle's corner, is even take
// the highlight colour; the others keep theirs. With keepTransparent, pixels of
// the transparent colour stay as they are. Returns false for an empty rectangle.
bool ShadeRect(Surface& image, const Rect& r, bool keepTransparent, Colour transparent, Colour highlight);

// The menu command: snapshot, then the selection (or the whole image) shaded
// with transparent pixels kept. The selection stays.
void ShadeCommand(Document& doc, Colour highlight);

}  // namespace gs
