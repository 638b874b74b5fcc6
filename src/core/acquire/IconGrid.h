#pragma once
// The icon extractor's grid: three columns of 32 × 32 cells, icon i at
// (32 × (i mod 3), 32 × (i div 3)), on a grid box that scrolls by whole rows
// inside a viewport three rows high; and the icon chosen with the left button,
// marked by its cell drawn inverted. Positions are pixels: the grid box's own
// ("grid pixels") for the mouse and the cells, the viewport's for the box.

#include "raster/Geometry.h"
#include "tools/MouseInput.h"

namespace gs {

inline constexpr int kGridCell = 32;
inline constexpr int kGridColumns = 3;
inline constexpr int kGridViewportSide = 3 * kGridCell;  // the viewport's inner width and height

class IconGrid {
 public:
  // A file change. Each starts again from no highlight and icon 0.
  // `count` icons of the file's own (at least 1): more than nine make the
  // scroll bar usable, from its start.
  void ShowIcons(int count);
  // The desktop's icon for the file's type, in the first cell: one icon.
  void ShowAssociatedIcon();
  // Nothing to choose from.
  void ShowNothing();

  // The scroll bar's new value (kept within its range): the box rises by as
  // many rows, so the viewport shows the rows from that one on.
  void Scroll(int value);

  // A move or a release at (x, y) in grid pixels (the grid box passes no
  // presses on). `buttons` is the button released, or for a move the buttons
  // held. Only the left
  // button alone chooses, and only an icon's cell inside the box: a click on
  // an empty cell or outside changes nothing. Returns true when the highlight
  // or the chosen icon changed, so the grid needs drawing again.
  bool Mouse(MouseButtons buttons, int x, int y);

  int Count() const { return count_; }
  int Selected() const { return selected_; }
  // The chosen icon's cell in grid pixels, drawn inverted; empty after a file change.
  Rect Highlight() const { return highlight_; }
  // Where the grid box lies in the viewport: its top is 0, or above the
  // viewport when scrolled. Its height only ever grows while icons are laid
  // out, and is kept from file to file while they need the scroll bar.
  Rect Box() const { return box_; }
  bool ScrollEnabled() const { return scrollEnabled_; }
  int ScrollValue() const { return scrollValue_; }
  // Never below 0. It counts the row the layout moved on to after the last
  // icon, so 12 icons (four whole rows) scroll to a last view of rows 3 to 5.
  int ScrollMaximum() const { return scrollMaximum_; }

  // A viewport position in grid pixels.
  Point FromViewport(Point p) const { return {p.x - box_.left, p.y - box_.top}; }
  // Icon `index`'s cell in grid pixels.
  static Rect Cell(int index) {
    return Rect::FromSize(kGridCell * (index % kGridColumns), kGridCell * (index / kGridColumns), kGridCell, kGridCell);
  }

 private:
  // The box back at the viewport's top left, three rows high; the bar unusable.
  void ResetBox();
  void StartOver(int count);

  int count_ = 0;
  int selected_ = 0;
  Rect highlight_{};
  Rect box_ = Rect::FromSize(0, 0, kGridViewportSide, kGridViewportSide);
  bool scrollEnabled_ = false;
  int scrollValue_ = 0;
  int scrollMaximum_ = 0;
};

// n / d rounded to the nearest whole number, halves to the even one (d > 0).
int DivideRoundingHalfEven(int n, int d);

}  // namespace gs
