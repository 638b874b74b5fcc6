#pragma once
// The rectangle of a picture that becomes the icon: its two corners as the four
// fields X1, Y1, X2, Y2 show them, changed by typing into a field or by dragging
// on the picture. The fields keep the corners as given (a drag from the lower
// right to the upper left shows them so); everything that uses the rectangle
// (its outline, the preview, Acquire) takes the corners in order and clamped to
// the picture, so writing the fields back one by one after a drag can never
// fold the rectangle up.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "raster/Geometry.h"
#include "raster/Surface.h"

namespace gs {

// The fields in their order on screen.
enum class CropField { X1, Y1, X2, Y2 };

// The fields' texts when the dialog opens: a 32 × 32 rectangle at the origin.
inline constexpr std::array<int, 4> kInitialCropCorners = {0, 0, 32, 32};

// Swaps x1 with x2 when x1 > x2, and y1 with y2 when y1 > y2.
void ArrangeNumbers(int& x1, int& y1, int& x2, int& y2);

// The picture's rectangle r (inside the picture) halftone-stretched into
// 32 × 32, whatever its proportions. Nothing for a rectangle without area.
std::optional<Surface> CropResult(const Surface& picture, const Rect& r);

class CropRectangle {
 public:
  // A picture of width × height pixels, or 0 × 0 for none: the corners are
  // clamped to it when used, and a drag stops at its edges. The corners stay.
  void SetPictureSize(int width, int height);

  // The corners as the fields show them.
  int Corner(CropField f) const { return corners_[static_cast<int>(f)]; }
  std::string FieldText(CropField f) const { return std::to_string(Corner(f)); }
  void SetCorners(int x1, int y1, int x2, int y2) { corners_ = {x1, y1, x2, y2}; }
  // A field's new text, typed or written back after a drag: its leading
  // number, rounded halves to even (no number reads as 0). Returns whether the
  // rectangle in use changed, so the preview need not be made again for
  // a text that says the same.
  bool SetFieldText(CropField f, std::string_view text);

  // The mouse on the picture, in picture pixels (fractions allowed). A press
  // of any button puts the first corner under the pointer; moving with the
  // left button held drags the second corner, and a release of any button
  // leaves it there. Move and Release return whether the rectangle changed;
  // a move or release without a press before it is ignored.
  void Press(double x, double y);
  bool Move(double x, double y, bool leftButtonHeld);
  bool Release(double x, double y);
  bool Dragging() const { return dragging_; }

  // The corners in order and clamped to the picture: left ≤ right, top ≤ bottom,
  // right and bottom exclusive. What the outline, the preview and Acquire use.
  Rect Arranged() const;

 private:
  Point Clamped(double x, double y) const;

  std::array<int, 4> corners_ = kInitialCropCorners;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  bool dragging_ = false;
};

}  // namespace gs
