#pragma once
#include <algorithm>

namespace gs {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A box with exclusive right and bottom edges, as every drawing call uses it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  // The same box with its corners in order, however it was dragged.
  constexpr Rect Normalised() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  }
  constexpr Rect Intersected(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace gs
