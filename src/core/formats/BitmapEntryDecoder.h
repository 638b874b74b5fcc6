#pragma once
// Decodes the bitmap image of one icon or cursor entry (header, colour table,
// colour rows, AND mask) into an RGBA picture.

#include <cstdint>
#include <span>
#include <vector>

#include "formats/IconDirectory.h"
#include "formats/RgbaImage.h"

namespace gs {

struct DecodedEntry {
  RgbaImage image;
  // The AND mask as stored: bottom row first, rows padded to 4 bytes, a set bit
  // marks a transparent pixel. Empty for a 32-bit entry that carries none.
  std::vector<std::uint8_t> mask;
};

// Reads only inside the entry's bytes. 1-, 4-, 8- and 24-bit pixels take their
// alpha from the mask (set bit: 0, else 255). A 32-bit entry uses its alpha
// channel unless that is all zero, and then the mask; such an entry may omit
// the mask when its alpha is used. A colour table holds biClrUsed entries (all
// 2^n when 0) and is skipped by exactly that many at 24 and 32 bits.
Outcome<DecodedEntry> DecodeBitmapEntry(std::span<const std::uint8_t> file, const IconEntryInfo& entry);

}  // namespace gs
