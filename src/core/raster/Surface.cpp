#include "raster/Surface.h"

#include <algorithm>

namespace gs {

Surface::Surface(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, fill & 0xFFFFFF) {}

void Surface::Fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c & 0xFFFFFF); }

void Surface::FillRect(const Rect& r, Colour c) {
  const Rect clip = r.Intersected(Bounds());
  if (clip.IsEmpty()) return;
  for (int y = clip.top; y < clip.bottom; ++y) std::fill(Row(y) + clip.left, Row(y) + clip.right, c & 0xFFFFFF);
}

Surface Surface::Copy(const Rect& r, Colour outside) const {
  Surface out(r.Width(), r.Height(), outside);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      const Colour c = GetPixel(r.left + x, r.top + y);
      if (c != kInvalidColour) out.Row(y)[x] = c;
    }
  return out;
}

}  // namespace gs
