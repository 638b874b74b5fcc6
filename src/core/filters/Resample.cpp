#include "filters/Resample.h"

#include "filters/ColourOperations.h"
#include "raster/Stretch.h"

namespace gs {

ResampleFields InitialResampleFields(const Document& doc) {
  if (!doc.SelectionActive) return {};
  const Rect& s = doc.Selection;
  return {s.Width(), s.Height(), s.left, s.top};
}

Surface ReDrawResample(const Document& doc, const ResampleFields& fields) {
  Surface canvas(kImageSize, kImageSize, doc.TransparentColor);
  const Rect source = ClippedOperationRect(doc);
  if (doc.SelectionActive) {
    canvas = doc.WorkingImage;
    canvas.FillRect(doc.Selection, doc.TransparentColor);
  }
  if (source.IsEmpty()) return canvas;
  StretchBlt(canvas, fields.x, fields.y, fields.width, fields.height, doc.WorkingImage, source.left, source.top,
             source.Width(), source.Height(), StretchMode::Halftone);
  return canvas;
}

void ApplyResample(Document& doc, const ResampleFields& fields) {
  doc.BeginChange();
  doc.WorkingImage = ReDrawResample(doc, fields);
  doc.DestroyMask();
}

}  // namespace gs
