#pragma once
// The geometric transforms of the Filters menu: the two mirrors, the quarter
// and half turns, and the rotation by any whole number of degrees. They move
// pixels without changing their colours and always act on the whole image,
// whatever the selection.

#include "document/Document.h"
#include "raster/Surface.h"

namespace gs {

// Pixel (x, y) moves to (x, h − 1 − y).
void MirrorUpsideDown(Surface& image);
// Pixel (x, y) moves to (w − 1 − x, y).
void MirrorLeftRight(Surface& image);

enum class QuarterTurn { Clockwise, Counterclockwise, HalfTurn };

// Turns a square image; any other image is left as it is.
void RotateByQuarters(Surface& image, QuarterTurn turn);

// Forward-maps every pixel of a 32 × 32 image about pixel (16, 16) by `angle`
// degrees (positive turns clockwise on screen). Each pixel is written to its
// target and to the pixel after it in row order, which closes the gaps a
// forward mapping leaves; pixels nothing reaches take `fill`.
void RotateByAngle(Surface& image, double angle, Colour fill);

enum class Mirror { UpsideDown, LeftRight };

// The menu commands. Each takes the undo snapshot first, marks the document
// modified and leaves the selection alone.
void FlipCommand(Document& doc, Mirror mirror);
void RotateCommand(Document& doc, QuarterTurn turn);
// The rotation dialog's Apply: the snapshot is taken even for angle 0, which
// changes no pixel.
void Angle(Document& doc, int angle, Colour backColour);

}  // namespace gs
