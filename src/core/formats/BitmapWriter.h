#pragma once
// Windows bitmap export of the 32 × 32 image at 1, 4, 8 or 24 bits per pixel
// (190, 630, 2102 or 3126 bytes). Exports carry no transparency: pixels of the
// transparent colour are written in that colour.

#include <cstdint>
#include <vector>

#include "raster/Surface.h"

namespace gs {

struct [[gnu::packed]] BitmapFileHeader {
  std::uint16_t bfType = 0x4D42;  // "BM"
  std::uint32_t bfSize = 0;
  std::uint16_t bfReserved1 = 0;
  std::uint16_t bfReserved2 = 0;
  std::uint32_t bfOffBits = 0;
};
static_assert(sizeof(BitmapFileHeader) == 14);

// An unwritable depth gives empty bytes.
std::vector<std::uint8_t> EncodeBitmapFile(const Surface& image, int depth);

}  // namespace gs
