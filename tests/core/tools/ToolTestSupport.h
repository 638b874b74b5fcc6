#pragma once
// Shared helpers of the tool tests: a controller on a fresh editor state, view
// points at pixel centres, and pixel pictures as text grids.

#include <gtest/gtest.h>

#include <string>

#include "tools/ToolController.h"

namespace gs::testing {

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x00FF00;

// Rows of '#' (pixel == ink) and '.' for the block r, one line per row.
inline std::string Picture(const Surface& s, const Rect& r, Colour ink) {
  std::string out;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) out += s.GetPixel(x, y) == ink ? '#' : '.';
    out += '\n';
  }
  return out;
}

inline int CountPixels(const Surface& s, Colour c) {
  int n = 0;
  for (Colour p : s.Pixels()) n += p == c;
  return n;
}

// The smallest box holding every pixel of colour c (empty when there is none).
inline Rect BoundsOf(const Surface& s, Colour c) {
  Rect r{s.Width(), s.Height(), 0, 0};
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.GetPixel(x, y) == c) r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                                      std::max(r.bottom, y + 1)};
  return r.IsEmpty() ? Rect{} : r;
}

class ToolTest : public ::testing::Test {
 protected:
  ToolTest() : tools(state) {
    state.ForeColour = kRed;
    state.BackColour = kBlue;
  }

  Document& doc() { return state.Doc; }
  Surface& image() { return state.Doc.WorkingImage; }
  Colour transparent() const { return state.Doc.TransparentColor; }

  // The view point at the centre of pixel (px, py).
  double X(double px) const { return (px + 0.5) * tools.View().CellWidth(); }
  double Y(double py) const { return (py + 0.5) * tools.View().CellHeight(); }

  void Use(int tool) { tools.SelectTool(tool); }
  bool Press(int px, int py, MouseButtons b = kLeftButton) { return tools.Press(b, X(px), Y(py)); }
  MoveResult Move(int px, int py, MouseButtons b = kLeftButton) { return tools.Move(b, X(px), Y(py)); }
  bool Release(int px, int py, MouseButton b = kLeftButton) { return tools.Release(b, X(px), Y(py)); }
  void Drag(Point from, Point to, MouseButton b = kLeftButton) {
    Press(from.x, from.y, b);
    Move(to.x, to.y, b);
    Release(to.x, to.y, b);
  }

  EditorState state;
  ToolController tools;
};

}  // namespace gs::testing
