#include "document/TransparentBlit.h"

#include "raster/Blit.h"

namespace gs {

bool MakeTransparencyMask(const Surface& source, int x, int y, int w, int h, Surface& mask, Colour transparent) {
  if (w <= 0 || h <= 0) return false;
  const Surface mono = ColourToMono(source, Rect::FromSize(x, y, w, h), transparent);
  if (mask.Width() < w || mask.Height() < h) mask = Surface(w, h);
  BitBlt(mask, 0, 0, w, h, &mono, 0, 0, rop::kSrcCopy);
  return true;
}

bool BlitTransparent(const Surface& source, int x, int y, int w, int h, Colour transparent,
                     const Surface& background, Surface& destination) {
  Surface mask(w, h);
  if (!MakeTransparencyMask(source, x, y, w, h, mask, transparent)) return false;

  Surface sourceCopy(w, h), work(w, h);
  BitBlt(sourceCopy, 0, 0, w, h, &source, x, y, rop::kSrcCopy);
  BitBlt(work, 0, 0, w, h, &background, 0, 0, rop::kSrcCopy);
  // The mask reaches the colour surfaces as black (0) and white (1): the
  // background survives where the source is transparent and turns black elsewhere.
  const Surface maskColour = MonoToColour(mask, kMonoBlack, kMonoWhite);
  BitBlt(work, 0, 0, w, h, &maskColour, 0, 0, rop::kSrcAnd);
  Surface inverted = maskColour;
  BitBlt(inverted, 0, 0, w, h, nullptr, 0, 0, rop::kDstInvert);
  BitBlt(sourceCopy, 0, 0, w, h, &inverted, 0, 0, rop::kSrcAnd);
  BitBlt(work, 0, 0, w, h, &sourceCopy, 0, 0, rop::kSrcPaint);
  BitBlt(destination, x, y, w, h, &work, 0, 0, rop::kSrcCopy);
  return true;
}

bool BlitOverColour(const Surface& source, int x, int y, int w, int h, Colour transparent, Colour fill,
                    Surface& destination) {
  if (w <= 0 || h <= 0) return false;
  const Surface background(w, h, fill);
  return BlitTransparent(source, x, y, w, h, transparent, background, destination);
}

}  // namespace gs
