#pragma once
// Windows bitmap pictures (.bmp, .dib) as programs write them: a file header,
// then an info header of any of the usual versions (the 12-byte OS/2 core
// header, 40 bytes, and the 52-, 56-, 108- and 124-byte versions with colour
// masks), a colour table and the pixel rows.
//
// Read: 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed and with colour
// masks (BI_BITFIELDS, BI_ALPHABITFIELDS); RLE8 and RLE4; rows bottom-up or
// top-down; colour tables of any length up to 2^bits. Refused with a reason:
// embedded JPEG or PNG data, other bit depths and compressions, and anything
// whose sizes and offsets do not fit the file or the limits.

#include <cstdint>
#include <span>

#include "formats/Outcome.h"
#include "formats/RgbaImage.h"

namespace gs {

// True when the bytes start with "BM".
bool HasBitmapSignature(std::span<const std::uint8_t> data);

// The picture as straight RGBA, top row first. Pixels are opaque, except where
// colour masks give an alpha channel that is not all zero, and pixels that RLE
// data skips (with a delta or an early end of line), which are transparent.
Outcome<RgbaImage> DecodeBitmapFile(std::span<const std::uint8_t> file, const ImageLimits& limits);

}  // namespace gs
