#include "formats/AdaptivePalette.h"

#include <algorithm>
#include <cstdlib>

namespace gs {

Palette256 BuildAdaptivePalette(const Surface& image) {
  Palette256 palette{};
  int used = 0;
  const int count = image.Width() * image.Height();
  const auto& pixels = image.Pixels();
  for (int pass = 0; pass < 4; ++pass)
    for (int k = pass; k < count; k += 4) {
      if (used == 256) return palette;
      const Colour c = pixels[k];
      if (std::find(palette.begin(), palette.begin() + used, c) == palette.begin() + used) palette[used++] = c;
    }
  return palette;
}

int NearestPaletteIndex(const Palette256& palette, int r, int g, int b) {
  auto tieScore = [&](Colour e) { return std::abs(g - RedOf(e)) + std::abs(b - GreenOf(e)) + std::abs(r - BlueOf(e)); };
  int best = 0;
  int bestDistance = 1000;  // more than the largest possible, 765: entry 0 always becomes the first best
  for (int j = 0; j < 256; ++j) {
    const Colour e = palette[j];
    const int d = std::abs(r - RedOf(e)) + std::abs(g - GreenOf(e)) + std::abs(b - BlueOf(e));
    if (d < bestDistance || (d == bestDistance && tieScore(e) < tieScore(palette[best]))) {
      best = j;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace gs
