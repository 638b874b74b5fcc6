#include "filters/Crystallize.h"

#include "raster/Blit.h"

namespace gs {

void CrystallizeBlocks(const Surface& source, int w, int h, int n, Surface& destination) {
  if (n < 1 || w <= 0 || h <= 0) return;
  Surface blocks(w, h);
  for (int bx = 0; bx < w; bx += n)
    for (int by = 0; by < h; by += n) {
      const Colour c = source.GetPixel(bx, by);
      if (c != kInvalidColour) blocks.FillRect(Rect::FromSize(bx, by, n, n), c);
    }
  BitBlt(destination, 0, 0, w, h, &blocks, 0, 0, rop::kSrcCopy);
}

void Crystal(Document& doc, int n) {
  doc.BeginChange();
  CrystallizeBlocks(doc.WorkingImage, kImageSize, kImageSize, n, doc.WorkingImage);
}

}  // namespace gs
