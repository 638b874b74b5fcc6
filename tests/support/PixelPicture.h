#pragma once
// Surfaces as text pictures, one character a pixel. PictureRows and
// SurfaceFromRows are the one way every test turns pixels into text and back;
// the pictures here use '.' paper, 'O' ink and '#' fill, rows separated by
// '/': ".O./O#O/.O.".

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "raster/Geometry.h"
#include "raster/Surface.h"

namespace gs::testing {

// The block r of `s`, a row of text a row of pixels: each pixel is the
// character `key` gives its colour, or `unknown`.
inline std::vector<std::string> PictureRows(const Surface& s, const Rect& r, const std::map<Colour, char>& key,
                                            char unknown = '?') {
  std::vector<std::string> rows;
  for (int y = r.top; y < r.bottom; ++y) {
    std::string& row = rows.emplace_back();
    for (int x = r.left; x < r.right; ++x) {
      const auto found = key.find(s.GetPixel(x, y));
      row += found == key.end() ? unknown : found->second;
    }
  }
  return rows;
}

// A surface as wide as the first row, each pixel the colour of its character in `palette`.
inline Surface SurfaceFromRows(const std::vector<std::string>& rows, const std::map<char, Colour>& palette) {
  Surface s(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, palette.at(rows[y].at(x)));
  return s;
}

inline constexpr Colour kPaper = 0x101010, kInk = 0x0000C0, kFill = 0x00A000;

inline std::string PictureAt(const Surface& s, int x, int y, int w, int h) {
  std::string out;
  for (const std::string& row : PictureRows(s, {x, y, x + w, y + h}, {{kPaper, '.'}, {kInk, 'O'}, {kFill, '#'}}))
    out += (out.empty() ? "" : "/") + row;
  return out;
}

inline Surface FromPicture(const std::string& picture) {  // two rows or more
  std::vector<std::string> rows(1);
  for (char c : picture) {
    if (c == '/') rows.emplace_back();
    else rows.back() += c;
  }
  return SurfaceFromRows(rows, {{'.', kPaper}, {'O', kInk}, {'#', kFill}});
}

// A drawing on a 24 × 24 sheet of paper that must show `picture` at (x, y) and
// nothing anywhere else.
struct PictureCase {
  std::function<void(Surface&)> draw;
  int x, y;
  std::string picture;
  std::string name;  // the test's name: what is drawn, in letters, digits and '_'
};
inline void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name << ": \"" << c.picture << '"'; }
inline std::string PictureCaseName(const ::testing::TestParamInfo<PictureCase>& info) { return info.param.name; }

// "3_2": a point in a test name.
inline std::string PointName(Point p) {
  auto number = [](int v) { return v < 0 ? "m" + std::to_string(-v) : std::to_string(v); };
  return number(p.x) + "_" + number(p.y);
}

inline void ExpectPicture(const PictureCase& c) {
  const int w = static_cast<int>(std::min(c.picture.find('/'), c.picture.size()));
  const int h = static_cast<int>(c.picture.size() + 1) / (w + 1);
  Surface s(24, 24, kPaper);
  c.draw(s);
  EXPECT_EQ(PictureAt(s, c.x, c.y, w, h), c.picture);
  s.FillRect({c.x, c.y, c.x + w, c.y + h}, kPaper);
  EXPECT_EQ(PictureAt(s, 0, 0, 24, 24), PictureAt(Surface(24, 24, kPaper), 0, 0, 24, 24))
      << "pixels outside the picture";
}

}  // namespace gs::testing
