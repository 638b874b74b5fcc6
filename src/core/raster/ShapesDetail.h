#pragma once
// Pieces shared by the shape files of the raster layer. Coordinates are 64-bit
// here so that boxes reaching past the int range (right − left of two ints)
// cannot overflow; products that can exceed 64 bits use 128-bit integers.

#include <cstdint>
#include <optional>
#include <vector>

#include "raster/Shapes.h"

namespace gs::shapes {

using Coord = std::int64_t;
__extension__ typedef __int128 Wide;

Coord FloorDiv(Wide num, Wide den);  // den > 0
Coord CeilDiv(Wide num, Wide den);   // den > 0

// Paints columns x0..x1 (inclusive) of row y, clipped to the surface.
void PaintSpan(Surface& s, Coord y, Coord x0, Coord x1, Colour c);
void PaintSpan(Surface& s, Coord y, Coord x0, Coord x1, const Brush& brush);

// A run of columns, as insets from a side of the shape: 0 is the outermost column.
struct Run {
  Coord lo = 0;
  Coord hi = 0;
  friend bool operator==(const Run&, const Run&) = default;
};

// One quarter of the ellipse inscribed in a width × height box (both ≥ 1),
// as one run per row: row 0 is the middle row (the lower middle one for even
// heights), row Rows()-1 the bottom edge. Runs are insets from the right edge,
// lo ≤ hi ≤ (width+1)/2 - 1; the other quarters are mirror images.
//
// Up to kExactLimit in each direction the quarter comes from the integer
// midpoint walk, finished straight down at the middle column when a tall, narrow
// ellipse stops short of its box. Beyond that the walk would cost time and memory
// in proportion to the box, so the runs come from the real curve, row by row.
class QuarterCurve {
 public:
  static constexpr Coord kExactLimit = Coord{1} << 16;

  QuarterCurve(Coord width, Coord height);
  Coord Rows() const { return rows_; }
  Run At(Coord row) const;

 private:
  Run Analytic(Coord row) const;

  Coord width_;
  Coord height_;
  Coord rows_;
  std::vector<Run> runs_;
};

// A box with square corners or with corners rounded by a quarter curve; the
// footprint and the one-pixel outline of every row.
class RoundedBox {
 public:
  struct Row {
    Coord left = 0;        // footprint: left..right
    Coord right = 0;
    Coord innerLeft = 0;   // outline: left..innerLeft and innerRight..right,
    Coord innerRight = 0;  // or the whole row on the top and bottom edges
    bool edge = false;
  };

  // Square corners.
  RoundedBox(Coord left, Coord top, Coord right, Coord bottom);
  // Corners from a cornerWidth × cornerHeight ellipse, 1 ≤ corner ≤ box size.
  RoundedBox(Coord left, Coord top, Coord right, Coord bottom, Coord cornerWidth,
             Coord cornerHeight);

  Coord Top() const { return top_; }
  Coord Bottom() const { return bottom_; }  // exclusive
  Row At(Coord y) const;                    // top ≤ y < bottom

 private:
  Coord left_, top_, right_, bottom_;
  std::optional<QuarterCurve> corner_;
};

// The round end of a wide pen: the filled ellipse of a width × width box whose
// top-left corner is (-width/2, -width/2) from the end point.
class PenTip {
 public:
  explicit PenTip(int width);
  int Width() const { return static_cast<int>(rows_.size()); }
  int Half() const { return Width() / 2; }
  // Columns covered in row k (0 = top) of the tip, relative to the end point.
  const Run& RowSpan(int k) const { return rows_[k]; }
  void Paint(Surface& s, Coord x, Coord y, Colour c) const;

 private:
  std::vector<Run> rows_;  // lo = first column, hi = last column
};

int EffectiveWidth(const Pen& pen);  // 1 for cosmetic pens, else clamped to kMaxPenWidth

// Brush over the footprint, then the pen over the outline.
void PaintBoxShape(Surface& s, const RoundedBox& box, const Pen& pen, const Brush& brush);

}  // namespace gs::shapes
