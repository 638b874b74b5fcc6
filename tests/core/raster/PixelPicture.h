#pragma once
// Surfaces as small text pictures, one character per pixel, for comparing
// drawn shapes with the pictures written in the tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster/Surface.h"

namespace gs::testing {

using Picture = std::vector<std::string>;

inline constexpr Colour kPaper = 0x101010;  // '.'
inline constexpr Colour kInk = 0x0000C0;    // 'O' (pen)
inline constexpr Colour kFill = 0x00A000;   // '#' (brush)

inline char PixelChar(Colour c) {
  if (c == kPaper) return '.';
  if (c == kInk) return 'O';
  if (c == kFill) return '#';
  return '?';
}

// The w × h block of `s` with its top-left corner at (x, y).
inline Picture PictureAt(const Surface& s, int x, int y, int w, int h) {
  Picture rows;
  for (int r = 0; r < h; ++r) {
    std::string row;
    for (int c = 0; c < w; ++c) row += PixelChar(s.GetPixel(x + c, y + r));
    rows.push_back(row);
  }
  return rows;
}

// The picture at (x, y) is `expected`, and every pixel outside it is paper.
inline ::testing::AssertionResult ShowsExactly(const Surface& s, int x, int y,
                                               const Picture& expected) {
  const int h = static_cast<int>(expected.size());
  const int w = h ? static_cast<int>(expected[0].size()) : 0;
  const Picture actual = PictureAt(s, x, y, w, h);
  std::string message;
  if (actual != expected) {
    message = "\nexpected      actual\n";
    for (int r = 0; r < h; ++r) message += expected[r] + "      " + actual[r] + "\n";
  }
  int strays = 0;
  for (int py = 0; py < s.Height(); ++py)
    for (int px = 0; px < s.Width(); ++px) {
      const bool inside = px >= x && px < x + w && py >= y && py < y + h;
      if (!inside && s.GetPixel(px, py) != kPaper && ++strays <= 4)
        message += "stray pixel at (" + std::to_string(px) + ", " + std::to_string(py) + ")\n";
    }
  if (message.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << message;
}

}  // namespace gs::testing
