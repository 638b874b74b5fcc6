#include "filters/ColourOperations.h"

#include "document/TransparentBlit.h"
#include "raster/Blit.h"
#include "raster/Depth.h"

namespace gs {

Rect ClippedOperationRect(const Document& doc) {
  return doc.OperationRect().Intersected(doc.WorkingImage.Bounds());
}

void InterchangeColors(Document& doc) {
  doc.BeginChange();
  const Rect r = ClippedOperationRect(doc);
  if (r.IsEmpty()) return;
  Surface& image = doc.WorkingImage;
  BitBlt(image, r.left, r.top, r.Width(), r.Height(), nullptr, 0, 0, rop::kDstInvert);
  const Colour inverse = ~doc.TransparentColor & 0xFFFFFF;
  BlitOverColour(image, r.left, r.top, r.Width(), r.Height(), inverse, doc.TransparentColor, image);
}

void ReplaceColor(Document& doc, Colour from, Colour to) {
  doc.BeginChange();
  const Rect r = ClippedOperationRect(doc);
  if (r.IsEmpty()) return;
  BlitOverColour(doc.WorkingImage, r.left, r.top, r.Width(), r.Height(), from & 0xFFFFFF, to & 0xFFFFFF,
                 doc.WorkingImage);
}

void ReduceColours(Document& doc, ColourReduction reduction) {
  doc.BeginChange();
  const int bitCount = reduction == ColourReduction::BlackAndWhite ? 1
                       : reduction == ColourReduction::Colours16   ? 4
                                                                   : 8;
  doc.WorkingImage = ExpandDib(GetBitsAtDepth(doc.WorkingImage, bitCount));
}

}  // namespace gs
