#pragma once
// The mapping between the enlarged editing view (W × H view pixels, not
// necessarily square or a multiple of 32) and the image's pixels.

#include <string>

#include "document/Document.h"

namespace gs {

struct ViewGeometry {
  int W = 273;
  int H = 281;

  float CellWidth() const { return static_cast<float>(W) / kImageSize; }
  float CellHeight() const { return static_cast<float>(H) / kImageSize; }

  // The pixel under a view point: floor, not rounding, and not clamped, so a
  // point left of the view gives a negative column.
  Point ViewToPixel(double x, double y) const;

  // The marquee's rectangle in view pixels for a selection, each corner
  // rounded to the nearest integer with halves to even.
  Rect SelectionViewRect(const Rect& selection) const;
};

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double v);

// RePaint's picture of the view: the image stretched nearest-pixel onto W × H,
// with the selection marquee (a dotted inverting outline on the selection's cell
// borders) unless a block is being moved.
Surface RenderView(const Document& doc, const ViewGeometry& view);
// Renders into an existing W × H surface, reusing its storage.
void RenderView(const Document& doc, const ViewGeometry& view, Surface& out);

// The status line's text for a colour under the mouse: "RGB: 255 0 0".
std::string RgbStatusText(Colour c);

}  // namespace gs
