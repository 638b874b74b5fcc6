#pragma once
// A w × h block of colour values, top row first. Every drawing operation of the
// program ends up here; reads outside give kInvalidColour and writes outside are
// dropped, so no caller can write out of bounds.

#include <vector>

#include "raster/Colour.h"
#include "raster/Geometry.h"

namespace gs {

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Colour fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Colour GetPixel(int x, int y) const {
    return Contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : kInvalidColour;
  }
  void SetPixel(int x, int y, Colour c) {
    if (Contains(x, y)) pixels_[static_cast<size_t>(y) * width_ + x] = c & 0xFFFFFF;
  }

  // Unchecked access for loops that have clipped already.
  Colour* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const Colour* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const std::vector<Colour>& Pixels() const { return pixels_; }
  std::vector<Colour>& Pixels() { return pixels_; }

  void Fill(Colour c);
  // Fills r clipped to the surface (FillRect with a solid brush).
  void FillRect(const Rect& r, Colour c);
  // A copy of the block r; parts of r outside the surface come out as `outside`.
  Surface Copy(const Rect& r, Colour outside = 0) const;

  friend bool operator==(const Surface&, const Surface&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

}  // namespace gs
