#pragma once
// Colour operations of the Filters menu: pixels keep their place and change
// their colour. Interchange and Replace work on the selection when one is
// active; the reductions always work on the whole image. Each takes the undo
// snapshot first, marks the document modified and keeps the selection.

#include "document/Document.h"

namespace gs {

// The selection clipped to the image, or the whole image.
Rect ClippedOperationRect(const Document& doc);

// The colour negative (each byte b becomes 255 − b). Pixels that were
// transparent stay transparent; so does any pixel whose negative is the
// transparent colour.
void InterchangeColors(Document& doc);

// Every pixel exactly `from` becomes `to`.
void ReplaceColor(Document& doc, Colour from, Colour to);

enum class ColourReduction { BlackAndWhite, Colours16, Colours256 };

// The whole image mapped to the nearest colour of the standard table at 1, 4
// or 8 bits per pixel. The transparent colour is mapped like any other.
void ReduceColours(Document& doc, ColourReduction reduction);

}  // namespace gs
