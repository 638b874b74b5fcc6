#pragma once
// Pens and the shape calls of the platform's graphics interface, pixel for
// pixel: Rectangle, Ellipse, RoundRect, LineTo and ExtFloodFill in surface mode.
// Every call clips at the surface edge and does work in proportion to the
// surface, however large or far away the shape is.

#include "raster/Blit.h"
#include "raster/Geometry.h"
#include "raster/Surface.h"

namespace gs {

struct Pen {
  enum class Style { Solid, Null };
  Style style = Style::Solid;
  int width = 1;  // 0 or 1 = one pixel (cosmetic); 2 and up = wide, round caps and joins
  Colour colour = 0;

  static Pen Solid(Colour c, int width = 1);
  static Pen Null();
  bool IsNull() const;
};

// Wider pens are drawn this wide; nothing in the editor comes near, and it keeps
// the work of a wide outline bounded.
inline constexpr int kMaxPenWidth = 255;

// Box shapes. The box is normalised first (corners in any order), then covers
// columns left..right-1 and rows top..bottom-1: right and bottom edges are left
// out. The brush is painted first, the pen on top. A null pen shrinks a
// Rectangle by one pixel on the right and bottom (the brush fills left..right-2,
// top..bottom-2); an Ellipse or RoundRect with a null pen fills its whole
// footprint. A hollow brush leaves the inside untouched. Empty boxes draw nothing.
// A one-pixel pen paints exactly the boundary pixels; a wide pen paints its round
// end shape centred on each of them.
void DrawRectangle(Surface& s, const Rect& box, const Pen& pen, const Brush& brush);
// The ellipse inscribed in the box; a box 2 pixels wide or high or less draws a
// Rectangle.
void DrawEllipse(Surface& s, const Rect& box, const Pen& pen, const Brush& brush);
// Corners are quarters of a cornerWidth × cornerHeight ellipse (clamped to the
// box), flush with the box corners. A clamped corner of 2 or less draws a
// Rectangle; a corner as big as the box draws the Ellipse.
void DrawRoundRect(Surface& s, const Rect& box, int cornerWidth, int cornerHeight, const Pen& pen,
                   const Brush& brush);

// LineTo from a to b. One-pixel pens: Bresenham with the platform's octant
// tie-break, b left out, a zero-length line draws nothing. Wide pens: the band of
// pixels whose centres lie within width/2 of the segment, with the round end shape
// at both ends; b is painted, and a zero-length line paints one end shape.
void DrawLine(Surface& s, Point a, Point b, const Pen& pen);

// ExtFloodFill in surface mode: paints with `brush` the 4-connected area of
// pixels equal to `match` reachable from `start`. Returns false and paints
// nothing when start is outside or its colour is not `match`. The area is
// collected first and painted once, so filling with the same colour terminates.
bool FloodFillSurface(Surface& s, Point start, Colour match, const Brush& brush);

}  // namespace gs
