#include "acquire/CropRectangle.h"

#include <cmath>
#include <utility>

#include "document/ViewGeometry.h"
#include "text/FieldNumber.h"
#include "raster/Stretch.h"

namespace gs {
namespace {

constexpr int kResultSide = 32;

// A pointer position clamped to 0 … limit before it is rounded, so that no
// value (a huge one, or not a number) reaches the conversion to int.
int ClampedCoordinate(double v, int limit) {
  if (!(v > 0)) return 0;  // NaN too
  return RoundHalfEven(std::min(v, static_cast<double>(limit)));
}

}  // namespace

void ArrangeNumbers(int& x1, int& y1, int& x2, int& y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
}

std::optional<Surface> CropResult(const Surface& picture, const Rect& r) {
  const Rect inside = r.Intersected(picture.Bounds());
  if (inside.IsEmpty()) return std::nullopt;
  Surface result(kResultSide, kResultSide);
  StretchBlt(result, 0, 0, kResultSide, kResultSide, picture, inside.left, inside.top, inside.Width(), inside.Height(),
             StretchMode::Halftone);
  return result;
}

void CropRectangle::SetPictureSize(int width, int height) {
  pictureWidth_ = std::max(0, width);
  pictureHeight_ = std::max(0, height);
  dragging_ = false;
}

bool CropRectangle::SetFieldText(CropField f, std::string_view text) {
  const Rect before = Arranged();
  corners_[static_cast<int>(f)] = ReadFieldNumber(text);
  return Arranged() != before;
}

Point CropRectangle::Clamped(double x, double y) const {
  return {ClampedCoordinate(x, pictureWidth_), ClampedCoordinate(y, pictureHeight_)};
}

void CropRectangle::Press(double x, double y) {
  const Point p = Clamped(x, y);
  corners_[0] = p.x;
  corners_[1] = p.y;
  dragging_ = true;
}

bool CropRectangle::Move(double x, double y, bool leftButtonHeld) {
  if (!dragging_ || !leftButtonHeld) return false;
  const Rect before = Arranged();
  const Point p = Clamped(x, y);
  corners_[2] = p.x;
  corners_[3] = p.y;
  return Arranged() != before;
}

bool CropRectangle::Release(double x, double y) {
  if (!dragging_) return false;
  dragging_ = false;
  const Rect before = Arranged();
  const Point p = Clamped(x, y);
  corners_[2] = p.x;
  corners_[3] = p.y;
  return Arranged() != before;
}

Rect CropRectangle::Arranged() const {
  int x1 = corners_[0], y1 = corners_[1], x2 = corners_[2], y2 = corners_[3];
  ArrangeNumbers(x1, y1, x2, y2);
  return {std::clamp(x1, 0, pictureWidth_), std::clamp(y1, 0, pictureHeight_), std::clamp(x2, 0, pictureWidth_),
          std::clamp(y2, 0, pictureHeight_)};
}

}  // namespace gs
