#include "tools/BrushFootprint.h"

#include "raster/Blit.h"
#include "raster/Shapes.h"

namespace gs {

void StampBrush(Surface& s, int shape, Point p, Colour c) {
  const int x = p.x, y = p.y;
  const Pen pen = Pen::Solid(c);
  const Brush brush = Brush::Solid(c);
  // The boxes leave out their right and bottom edges and the lines their end
  // point, so the odd-looking corners give the footprints their sizes.
  switch (shape) {
    case 0: DrawEllipse(s, {x - 4, y - 4, x + 3, y + 3}, pen, brush); break;
    case 1: DrawEllipse(s, {x - 2, y - 2, x + 2, y + 2}, pen, brush); break;
    case 2: s.SetPixel(x, y, c); break;
    case 3: DrawRectangle(s, {x - 4, y - 4, x + 4, y + 4}, pen, brush); break;
    case 4: DrawRectangle(s, {x - 3, y - 3, x + 2, y + 2}, pen, brush); break;
    case 5: DrawRectangle(s, {x - 1, y - 1, x + 1, y + 1}, pen, brush); break;
    case 6: DrawLine(s, {x - 4, y + 4}, {x + 4, y - 4}, pen); break;
    case 7: DrawLine(s, {x - 3, y + 3}, {x + 2, y - 2}, pen); break;
    case 8: DrawLine(s, {x - 1, y + 1}, {x + 1, y - 1}, pen); break;
    case 9: DrawLine(s, {x - 4, y - 4}, {x + 4, y + 4}, pen); break;
    case 10: DrawLine(s, {x - 3, y - 3}, {x + 2, y + 2}, pen); break;
    case 11: DrawLine(s, {x - 1, y - 1}, {x + 1, y + 1}, pen); break;
    default: break;
  }
}

}  // namespace gs
