#pragma once
// Surfaces as text pictures, one character per pixel ('.' paper, 'O' ink, '#' fill),
// rows separated by '/': ".O./O#O/.O.".

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "raster/Geometry.h"
#include "raster/Surface.h"

namespace gs::testing {

inline constexpr Colour kPaper = 0x101010, kInk = 0x0000C0, kFill = 0x00A000;

inline std::string PictureAt(const Surface& s, int x, int y, int w, int h) {
  std::string out;
  for (int r = 0; r < h; ++r) {
    if (r) out += '/';
    for (int c = 0; c < w; ++c) {
      const Colour p = s.GetPixel(x + c, y + r);
      out += p == kPaper ? '.' : p == kInk ? 'O' : p == kFill ? '#' : '?';
    }
  }
  return out;
}

inline Surface FromPicture(const std::string& picture) {  // two rows or more
  const int w = static_cast<int>(picture.find('/')), h = static_cast<int>(picture.size() + 1) / (w + 1);
  Surface s(w, h, kPaper);
  for (int i = 0; i < static_cast<int>(picture.size()); ++i)
    if (picture[i] != '.') s.SetPixel(i % (w + 1), i / (w + 1), picture[i] == 'O' ? kInk : kFill);
  return s;
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
