#include "tools/EditClipboard.h"

#include <algorithm>

namespace gs {

Rect ClipboardRect(const Document& doc) {
  const Rect whole{0, 0, kImageSize, kImageSize};
  if (!doc.SelectionActive) return whole;
  const Rect inside = doc.Selection.Normalised().Intersected(whole);
  return inside.IsEmpty() ? whole : inside;
}

Surface CopyImage(const Document& doc) { return doc.WorkingImage.Copy(ClipboardRect(doc)); }

Surface CutImage(Document& doc) {
  const Rect r = ClipboardRect(doc);
  Surface block = doc.WorkingImage.Copy(r);
  doc.ClearToTransparent(r);
  doc.Modified = true;
  return block;
}

bool PasteImage(Document& doc, const Surface& image) {
  if (image.Width() <= 0 || image.Height() <= 0) return false;
  const int w = std::min(image.Width(), doc.WorkingImage.Width());
  const int h = std::min(image.Height(), doc.WorkingImage.Height());
  for (int y = 0; y < h; ++y) std::copy(image.Row(y), image.Row(y) + w, doc.WorkingImage.Row(y));
  doc.Modified = true;
  return true;
}

bool PastedSizeAcceptable(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxPastedSide && height <= kMaxPastedSide &&
         std::int64_t{width} * height <= kMaxPastedPixels;
}

Rect PastedArea(int width, int height) {
  return {0, 0, std::clamp(width, 0, kImageSize), std::clamp(height, 0, kImageSize)};
}

Surface SurfaceFromArgb(const std::uint32_t* pixels, int width, int height, int stride, Colour transparent) {
  const Rect used = PastedArea(width, height);
  Surface out(used.Width(), used.Height());
  for (int y = 0; y < out.Height(); ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < out.Width(); ++x) {
      const std::uint32_t argb = row[x];
      out.Row(y)[x] = (argb >> 24) < 128 ? (transparent & 0xFFFFFF)
                                         : Rgb((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    }
  }
  return out;
}

}  // namespace gs
