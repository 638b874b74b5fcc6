#include "acquire/IconGrid.h"

#include <algorithm>

namespace gs {

int DivideRoundingHalfEven(int n, int d) {
  int q = n / d, r = n % d;
  if (r < 0) --q, r += d;  // floor division
  if (2 * r > d || (2 * r == d && q % 2 != 0)) ++q;
  return q;
}

void IconGrid::ResetBox() {
  box_ = Rect::FromSize(0, 0, kGridViewportSide, kGridViewportSide);
  scrollEnabled_ = false;
  scrollValue_ = 0;
}

void IconGrid::StartOver(int count) {
  count_ = count;
  selected_ = 0;
  highlight_ = {};
}

void IconGrid::ShowIcons(int count) {
  count = std::max(count, 0);
  if (count > 9) {
    scrollEnabled_ = true;
    Scroll(0);
  } else {
    ResetBox();
  }
  // The layout cursor moves right, and to the next row once the box is no
  // wider than the cell it just filled: after a whole row it already stands
  // on the next one.
  int x = 0, y = 0;
  for (int i = 0; i < count; ++i) {
    if (box_.Height() < y + kGridCell) box_.bottom = box_.top + y + kGridCell;
    if (box_.Width() <= x + kGridCell) {
      x = 0, y += kGridCell;
    } else {
      x += kGridCell;
    }
  }
  scrollMaximum_ = std::max(0, DivideRoundingHalfEven(y + kGridCell - kGridViewportSide, kGridCell));
  StartOver(count);
}

void IconGrid::ShowAssociatedIcon() {
  ResetBox();
  scrollMaximum_ = 0;
  StartOver(1);
}

void IconGrid::ShowNothing() {
  ResetBox();
  scrollMaximum_ = 0;
  StartOver(0);
}

void IconGrid::Scroll(int value) {
  if (!scrollEnabled_) return;
  scrollValue_ = std::clamp(value, 0, scrollMaximum_);
  const int height = box_.Height();
  box_.top = -kGridCell * scrollValue_;
  box_.bottom = box_.top + height;
}

bool IconGrid::Mouse(MouseButtons buttons, int x, int y) {
  if (buttons != kLeftButton) return false;
  if (x < 0 || y < 0 || x >= box_.Width() || y >= box_.Height()) return false;
  const int column = x / kGridCell, row = y / kGridCell;
  const int index = kGridColumns * row + column;
  if (index >= count_) return false;
  const Rect cell = Rect::FromSize(kGridCell * column, kGridCell * row, kGridCell, kGridCell);
  const bool changed = index != selected_ || cell != highlight_;
  selected_ = index;
  highlight_ = cell;
  return changed;
}

}  // namespace gs
