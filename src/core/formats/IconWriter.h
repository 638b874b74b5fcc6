#pragma once
// Writing the editor's 32 × 32 image as a one-image .ico or .cur file at 1, 4, 8
// or 24 bits per pixel (326, 766, 2238 or 3266 bytes).
//
// The layout is fixed, quirks included, because files written by earlier
// versions look exactly like this: the 2-colour entry stores wPlanes 5 and
// wBitCount 7, the 16-colour entry bColorCount 16, biSizeImage is 128 / 2 /
// 1152 / 1153 and biClrUsed 0 / 0 / 256 / 1, and a 24-bit image carries one
// colour-table entry of four 0x20 bytes. Transparent pixels are black in the
// colour bits and set in the AND mask.

#include <cstdint>
#include <vector>

#include "formats/IconFit.h"
#include "raster/Geometry.h"
#include "raster/Surface.h"

namespace gs {

enum class PaletteMode {
  Standard,  // the platform's default table for the depth, nearest colour
  Adaptive,  // 8 bits only: BuildAdaptivePalette and NearestPaletteIndex
};

struct EncodedIcon {
  std::vector<std::uint8_t> bytes;
  IconMaskBits mask{};  // the AND mask written, which becomes the document's IconMask
};

// 1, 4, 8 and 24 bits can be written.
constexpr bool IsWritableDepth(int depth) { return depth == 1 || depth == 4 || depth == 8 || depth == 24; }

// `image` is the 32 × 32 working image. An unwritable depth gives empty bytes.
// The adaptive mode applies at 8 bits only and is ignored at other depths.
EncodedIcon EncodeIconFile(const Surface& image, Colour transparent, int depth,
                           PaletteMode mode = PaletteMode::Standard);

// Turns icon bytes into cursor bytes: idType 2 and the hotspot in the entry's
// wPlanes (x) and wBitCount (y).
void PatchCursorHeader(std::vector<std::uint8_t>& iconBytes, Point hotspot);

EncodedIcon EncodeCursorFile(const Surface& image, Colour transparent, int depth, PaletteMode mode, Point hotspot);

}  // namespace gs
