#include "filters/Duotone.h"

#include "filters/ColourOperations.h"
#include "raster/Blit.h"

namespace gs {

bool DuotoneRect(const Surface& source, const Rect& r, Colour duotone, Colour transparent, Surface& destination) {
  if (r.IsEmpty()) return false;
  const int w = r.Width(), h = r.Height();
  // The masked block, then the transparent places put back over it.
  Surface masked(w, h, duotone & 0xFFFFFF);
  BitBlt(masked, 0, 0, w, h, &source, r.left, r.top, rop::kSrcAnd);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (source.GetPixel(r.left + x, r.top + y) == transparent) masked.Row(y)[x] = transparent;
  BitBlt(destination, r.left, r.top, w, h, &masked, 0, 0, rop::kSrcCopy);
  return true;
}

Surface ReDrawDuo(const Document& doc, Colour duotone) {
  Surface preview = doc.WorkingImage;
  DuotoneRect(doc.WorkingImage, ClippedOperationRect(doc), duotone, doc.TransparentColor, preview);
  return preview;
}

void ApplyDuotone(Document& doc, Colour duotone) {
  doc.BeginChange();
  doc.WorkingImage = ReDrawDuo(doc, duotone);
  doc.DestroyMask();
}

}  // namespace gs
