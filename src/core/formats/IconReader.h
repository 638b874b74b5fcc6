#pragma once
// Reading an .ico or .cur file into the editor's 32 × 32 image.
//
// Everything is checked before anything is returned, and nothing is read past
// the end of the data: a damaged file yields a reason, never a half-read image.
//
// PNG-compressed entries, and PNG pictures saved under an icon's name, are
// decoded here too (DecodePng), so every program reads the same pixels from
// the same bytes.

#include <span>

#include "formats/IconDirectory.h"
#include "formats/IconFit.h"
#include "formats/Outcome.h"
#include "raster/Geometry.h"

namespace gs {

struct IconImage {
  Surface image;          // 32 × 32, top row first; transparent pixels are the transparent colour
  IconMaskBits mask{};    // IconMask: the file's AND mask, or one made from the transparency
  int entryIndex = 0;     // the directory entry used, from 0
  bool converted = false; // true when no 32 × 32 image at 24, 8, 4 or 1 bits was there and
                          // another image was scaled or reduced to stand in for it
  bool isCursor = false;
  Point hotspot{};        // cursors: the used entry's hotspot (scaled along when converted)
};

// Takes the first of PreferredIconImages whose data decodes; a pixel whose
// mask bit is set becomes `transparent` (black included) and every other pixel
// keeps its colour. When none does, tries FallbackImageOrder's candidates in
// turn and fits the first that decodes to 32 × 32 with FitImageToIcon. At most
// 16 images are tried in all. Fails when the directory is damaged or when no
// image can be decoded, with the reason of the first image that failed.
Outcome<IconImage> ReadIconImage(std::span<const std::uint8_t> file, Colour transparent);

}  // namespace gs
