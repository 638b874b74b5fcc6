#pragma once
// Image operation test pictures: text grids, one character a pixel, and images of all-different pixels.

#include <map>
#include <string>
#include <vector>

#include "document/Document.h"
#include "raster/Blit.h"
#include "support/PixelPicture.h"

namespace gs::test {

using Grid = std::vector<std::string>;
constexpr Colour kT = kInitialTransparentColour;
inline const std::map<char, Colour> kPalette = {
    {'.', kT}, {'i', ~kT & 0xFFFFFF}, {'a', Rgb(1, 0, 0)}, {'b', Rgb(2, 0, 0)}, {'c', Rgb(3, 0, 0)},
    {'d', Rgb(4, 0, 0)}, {'e', Rgb(5, 0, 0)}, {'f', Rgb(6, 0, 0)}, {'r', Rgb(255, 0, 0)}, {'K', 0x000000},
    {'W', 0xFFFFFF}, {'B', Rgb(0, 0, 255)}, {'C', Rgb(0, 255, 255)}, {'H', Rgb(0, 0, 200)}, {'s', Rgb(0x12, 0, 0)},
    {'g', Rgb(0x12, 0x34, 0x56)}};

inline Surface FromGrid(const Grid& rows) { return testing::SurfaceFromRows(rows, kPalette); }

// The top left w × h pixels; colours missing from the palette show as '?'.
inline Grid ToGrid(const Surface& s, int w, int h) {
  std::map<Colour, char> key;
  for (const auto& [c, colour] : kPalette) key[colour] = c;
  return testing::PictureRows(s, {0, 0, w, h}, key);
}

// A document with `image` at its top left corner and `selection` active unless empty.
inline Document DocOf(const Surface& image, Rect selection = {}) {
  Document doc;
  BitBlt(doc.WorkingImage, 0, 0, image.Width(), image.Height(), &image, 0, 0, rop::kSrcCopy);
  doc.Selection = selection;
  doc.SelectionActive = !selection.IsEmpty();
  return doc;
}

// Every pixel a different colour, none of them the initial transparent colour.
inline Colour NumberedColour(int x, int y) { return Rgb(x * 7 + 1, y * 7 + 1, 0x40); }
inline Surface Numbered() {
  Surface s(kImageSize, kImageSize);
  for (int y = 0; y < kImageSize; ++y)
    for (int x = 0; x < kImageSize; ++x) s.SetPixel(x, y, NumberedColour(x, y));
  return s;
}

}  // namespace gs::test
