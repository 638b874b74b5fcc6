#include "filters/Scatter.h"

#include "filters/ColourOperations.h"
#include "raster/Blit.h"

namespace gs {

bool ScatterRows(const Surface& source, const Rect& r, int shift, Surface& destination, bool showEnds,
                 Colour transparent) {
  if (r.IsEmpty()) return false;
  const int w = r.Width(), h = r.Height();
  Surface scattered(w, h, transparent);
  for (int row = 0; row < h; ++row) {
    // Even rows read from `shift` columns further left, odd rows from further right.
    const int offset = row % 2 == 0 ? -shift : shift;
    for (int x = 0; x < w; ++x) {
      long long from = static_cast<long long>(x) + offset;
      if (from < 0 || from >= w) {
        if (!showEnds) continue;
        from = ((from % w) + w) % w;
      }
      const Colour c = source.GetPixel(r.left + static_cast<int>(from), r.top + row);
      scattered.Row(row)[x] = c == kInvalidColour ? transparent : c;
    }
  }
  BitBlt(destination, r.left, r.top, w, h, &scattered, 0, 0, rop::kSrcCopy);
  return true;
}

Surface ReDrawQuake(const Document& doc, int shift, bool showEnds) {
  Surface preview = doc.WorkingImage;
  ScatterRows(doc.WorkingImage, ClippedOperationRect(doc), shift, preview, showEnds, doc.TransparentColor);
  return preview;
}

void ApplyScatter(Document& doc, int shift, bool showEnds) {
  doc.BeginChange();
  doc.WorkingImage = ReDrawQuake(doc, shift, showEnds);
  doc.DestroyMask();
}

}  // namespace gs
