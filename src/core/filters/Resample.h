#pragma once
// Adjust Dimensions: the image, or the selected part of it, stretched with
// area averaging into a rectangle whose size and place the user types.

#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

// The dialog's four fields, already read as whole numbers.
struct ResampleFields {
  int width = kImageSize;
  int height = kImageSize;
  int x = 0;
  int y = 0;
  friend bool operator==(const ResampleFields&, const ResampleFields&) = default;
};

// The fields a fresh dialog shows: the selection's place and size when one
// is active, otherwise the whole image at (0, 0).
ResampleFields InitialResampleFields(const Document& doc);

// The preview: with a selection, the image with the selection cleared to the
// transparent colour; without one, a transparent canvas. The source (the
// selection or the whole image) is stretched into the typed rectangle; a
// negative width or height mirrors, and whatever leaves the canvas is clipped.
Surface ReDrawResample(const Document& doc, const ResampleFields& fields);

// OK: snapshot, the preview becomes the image, the selection is dropped.
void ApplyResample(Document& doc, const ResampleFields& fields);

}  // namespace gs
