#include <cstdint>
#include <vector>

#include "raster/Shapes.h"
#include "raster/ShapesDetail.h"

namespace gs {

// Scanline fill: each seed grows into its whole run along the row, and only the
// rows directly above and below a run are searched for new seeds, so the area is
// 4-connected and never crosses a diagonal gap.
bool FloodFillSurface(Surface& s, Point start, Colour match, const Brush& brush) {
  match &= 0xFFFFFF;
  if (!s.Contains(start.x, start.y) || s.GetPixel(start.x, start.y) != match) return false;

  const int w = s.Width(), h = s.Height();
  std::vector<std::uint8_t> inArea(static_cast<size_t>(w) * h, 0);
  auto taken = [&](int x, int y) -> std::uint8_t& { return inArea[static_cast<size_t>(y) * w + x]; };
  auto open = [&](int x, int y) { return !taken(x, y) && s.Row(y)[x] == match; };

  std::vector<Point> seeds{start};
  while (!seeds.empty()) {
    const Point p = seeds.back();
    seeds.pop_back();
    if (!open(p.x, p.y)) continue;
    int left = p.x, right = p.x;
    while (left > 0 && open(left - 1, p.y)) --left;
    while (right < w - 1 && open(right + 1, p.y)) ++right;
    for (int x = left; x <= right; ++x) taken(x, p.y) = 1;
    for (int ny : {p.y - 1, p.y + 1}) {
      if (ny < 0 || ny >= h) continue;
      for (int x = left; x <= right; ++x)
        if (open(x, ny) && (x == left || !open(x - 1, ny))) seeds.push_back({x, ny});
    }
  }

  for (int y = 0; y < h; ++y) {
    int x = 0;
    while (x < w) {
      if (!taken(x, y)) {
        ++x;
        continue;
      }
      int end = x;
      while (end + 1 < w && taken(end + 1, y)) ++end;
      shapes::PaintSpan(s, y, x, end, brush);
      x = end + 1;
    }
  }
  return true;
}

}  // namespace gs
