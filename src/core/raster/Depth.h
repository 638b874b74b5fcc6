#pragma once
// Conversion of a surface to device-independent pixel rows at 1, 4, 8 or 24
// bits per pixel with the platform's standard colour tables and nearest-colour
// mapping, and back. This is what the icon, bitmap and PCX writers and the
// colour reductions build on.

#include <array>
#include <cstdint>
#include <vector>

#include "raster/Surface.h"

namespace gs {

const std::array<Colour, 2>& MonoColourTable();
const std::array<Colour, 256>& StandardColourTable256();
// The default table for 1, 4 or 8 bits; empty for other depths.
std::vector<Colour> DefaultColourTable(int bitCount);

// Index of the standard table entry a colour maps to at 1, 4 or 8 bits.
int NearestStandardIndex(int bitCount, Colour c);

// Bytes in one row of a DIB w pixels wide, padded to 4 bytes.
constexpr int DibStride(int width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }

struct DibBits {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  bool topDown = false;          // rows top first; otherwise the bottom row comes first
  std::vector<Colour> table;     // 2, 16 or 256 entries; empty at 24 bits
  std::vector<std::uint8_t> bits;  // rows of DibStride bytes; 24-bit pixels as blue, green, red

  int Stride() const { return DibStride(width, bitCount); }
};

// GetBitsAtDepth: the surface's pixels at 1, 4, 8 or 24 bits per pixel with the
// standard table for the depth. Any other depth yields an empty result.
DibBits GetBitsAtDepth(const Surface& s, int bitCount, bool topDown = false);

// The inverse: expands DIB rows through their table into a surface
// (SetDIBitsToDevice). Bits that run short leave black pixels.
Surface ExpandDib(const DibBits& dib);

// A colour table as RGBQUAD bytes (blue, green, red, 0).
std::vector<std::uint8_t> TableToRgbQuads(const std::vector<Colour>& table);

}  // namespace gs
