#pragma once
// The palette dialog's colour square: two components spread over the plane,
// the third (Z) held fixed. The geometry is worked in twips as the dialog lays
// it out (15 twips a pixel): each axis gets a whole number of twips per unit,
// so a 2205-twip (147-pixel) square runs a little past the axis maximum.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "raster/Surface.h"

namespace gs {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kColourSquareTwips = 2205;
inline constexpr int kColourSquarePixels = kColourSquareTwips / kTwipsPerPixel;
// The dialog's own fill, which the unpainted edge of the square shows.
inline constexpr Colour kColourSquareBackground = 0xA5A5A5;

// The component value shown by each painted pixel along an axis `pixels`
// long whose values span 0..maximum. Fewer entries than pixels: the last
// column and row of the picture stay unpainted.
std::vector<int> SquareAxisValues(int pixels, int maximum);

// Clears the picture to `background` and paints the square for the order with
// the fixed component z. An unknown order leaves the picture cleared.
void DrawColorSquare(Surface& picture, std::string_view order, std::int16_t z,
                     Colour background = kColourSquareBackground);

// The painted pixel of a width × height square of the order that shows the
// two plane values (the nearest one for values the square skips or runs
// short of); nothing for an unknown order.
std::optional<Point> ColourSquarePoint(int width, int height, std::string_view order,
                                       int horizontalValue, int verticalValue);

// The square with the key it was painted for, so an unchanged square is not
// painted again.
class ColourSquare {
 public:
  ColourSquare();

  // Paints for (order, z) unless that is what it already shows; true when it painted.
  bool Update(std::string_view order, std::int16_t z);

  const Surface& Picture() const { return picture_; }
  // The colour value at a pixel, -1 off the picture.
  std::int32_t ColourAt(int x, int y) const;

 private:
  Surface picture_;
  std::optional<std::pair<std::string, std::int16_t>> key_;
};

}  // namespace gs
