#pragma once
// Pictures for the image operation tests: small surfaces drawn as text grids,
// and images whose every pixel has its own colour so that a move shows.

#include <map>
#include <string>
#include <vector>

#include "raster/Surface.h"

namespace gs::test {

// One character per pixel, looked up in `palette`.
inline Surface FromGrid(const std::vector<std::string>& rows, const std::map<char, Colour>& palette) {
  Surface s(static_cast<int>(rows.empty() ? 0 : rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, palette.at(rows[y][x]));
  return s;
}

// The inverse; colours missing from the palette show as '?'.
inline std::vector<std::string> ToGrid(const Surface& s, const std::map<char, Colour>& palette) {
  std::vector<std::string> rows;
  for (int y = 0; y < s.Height(); ++y) {
    std::string row;
    for (int x = 0; x < s.Width(); ++x) {
      char shown = '?';
      for (const auto& [key, colour] : palette)
        if (colour == s.GetPixel(x, y)) shown = key;
      row += shown;
    }
    rows.push_back(row);
  }
  return rows;
}

// Every pixel a different colour, none of them the initial transparent colour.
inline Colour NumberedColour(int x, int y) { return Rgb(x * 7 + 1, y * 7 + 1, 0x40); }
inline Surface Numbered(int size = 32) {
  Surface s(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) s.SetPixel(x, y, NumberedColour(x, y));
  return s;
}

}  // namespace gs::test
