#include "filters/ShadeRect.h"

#include <array>

#include "document/TransparentBlit.h"
#include "filters/ColourOperations.h"
#include "raster/Blit.h"

namespace gs {

bool ShadeRect(Surface& image, const Rect& r, bool keepTransparent, Colour transparent, Colour highlight) {
  if (r.IsEmpty()) return false;
  const int w = r.Width(), h = r.Height();
  static constexpr std::array<std::uint8_t, 8> kChecker = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};

  Surface shaded = image.Copy(r);
  // Blacken the even cells (clear bits paint black, set bits white: AND keeps
  // the odd cells), then OR the highlight into the black ones.
  PatBlt(shaded, 0, 0, w, h, Brush::Pattern(kChecker, kMonoBlack, kMonoWhite), rop::kPatAndDst);
  PatBlt(shaded, 0, 0, w, h, Brush::Pattern(kChecker, highlight, kMonoBlack), rop::kPatOrDst);

  if (keepTransparent) {
    // Where the image is transparent (mask white) keep it, elsewhere take the shaded pixel.
    Surface mask(w, h);
    MakeTransparencyMask(image, r.left, r.top, w, h, mask, transparent);
    Surface kept = image.Copy(r);
    BitBlt(kept, 0, 0, w, h, &mask, 0, 0, rop::kSrcAnd);
    BitBlt(mask, 0, 0, w, h, nullptr, 0, 0, rop::kDstInvert);
    BitBlt(shaded, 0, 0, w, h, &mask, 0, 0, rop::kSrcAnd);
    BitBlt(shaded, 0, 0, w, h, &kept, 0, 0, rop::kSrcPaint);
  }
  BitBlt(image, r.left, r.top, w, h, &shaded, 0, 0, rop::kSrcCopy);
  return true;
}

void ShadeCommand(Document& doc, Colour highlight) {
  doc.BeginChange();
  ShadeRect(doc.WorkingImage, ClippedOperationRect(doc), true, doc.TransparentColor, highlight & 0xFFFFFF);
}

}  // namespace gs
