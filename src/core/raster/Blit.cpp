#include "raster/Blit.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace gs {

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
            std::uint32_t code, const Brush* brush) {
  if (w <= 0 || h <= 0) return;
  const bool usesSource = RopUsesSource(code);
  if (usesSource && src == nullptr) return;
  const bool usesPattern = RopUsesPattern(code);
  if (usesPattern && brush && brush->IsHollow()) return;

  // Clip the destination block, and with it the source block.
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, dst.Width()), y1 = std::min(y + h, dst.Height());
  if (usesSource) {
    x0 = std::max(x0, x - sx);
    y0 = std::max(y0, y - sy);
    x1 = std::min(x1, x + (src->Width() - sx));
    y1 = std::min(y1, y + (src->Height() - sy));
  }
  if (x0 >= x1 || y0 >= y1) return;

  // Read the whole source block first, so that an overlapping copy within one
  // surface sees the pixels as they were.
  const int cw = x1 - x0, ch = y1 - y0;
  std::vector<Colour> source;
  if (usesSource) {
    source.resize(static_cast<size_t>(cw) * ch);
    for (int row = 0; row < ch; ++row) {
      const Colour* s = src->Row(y0 + row + sy - y) + (x0 + sx - x);
      std::copy(s, s + cw, source.begin() + static_cast<std::ptrdiff_t>(row) * cw);
    }
  }
  for (int row = 0; row < ch; ++row) {
    Colour* d = dst.Row(y0 + row) + x0;
    for (int col = 0; col < cw; ++col) {
      const Colour p = usesPattern && brush ? brush->At(x0 + col, y0 + row) : 0;
      const Colour s = usesSource ? source[static_cast<size_t>(row) * cw + col] : 0;
      d[col] = ApplyRop3(code, p, s, d[col]) & 0xFFFFFF;
    }
  }
}

void FillRect(Surface& dst, const Rect& r, const Brush& brush) {
  if (brush.IsHollow()) return;
  PatBlt(dst, r.left, r.top, r.Width(), r.Height(), brush, rop::kPatCopy);
}

Surface ColourToMono(const Surface& src, const Rect& block, Colour sourceBackground) {
  Surface mono(block.Width(), block.Height(), kMonoBlack);
  for (int y = 0; y < mono.Height(); ++y)
    for (int x = 0; x < mono.Width(); ++x)
      if (src.GetPixel(block.left + x, block.top + y) == (sourceBackground & 0xFFFFFF))
        mono.Row(y)[x] = kMonoWhite;
  return mono;
}

Surface MonoToColour(const Surface& mono, Colour text, Colour background) {
  Surface out(mono.Width(), mono.Height());
  for (int y = 0; y < mono.Height(); ++y)
    for (int x = 0; x < mono.Width(); ++x)
      out.Row(y)[x] = mono.Row(y)[x] == kMonoBlack ? (text & 0xFFFFFF) : (background & 0xFFFFFF);
  return out;
}

}  // namespace gs
