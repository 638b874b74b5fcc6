#pragma once
// PNG pictures as icon files carry them (a PNG-compressed icon image is a whole
// PNG file), and as pictures to acquire an icon from. Decoding goes through
// libspng with limits on what a file may ask for, so a hostile icon image cannot
// make the reader take more than a few MiB.

#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/IconDirectory.h"
#include "formats/Outcome.h"
#include "formats/RgbaImage.h"

namespace gs {

// The largest decoded icon image accepted: a 1024 × 1024 image at 8-bit RGBA.
inline constexpr std::size_t kMaxPngDecodedBytes = std::size_t{4} << 20;
inline constexpr ImageLimits kIconPngLimits{kMaxIconSide, kMaxPngDecodedBytes};

// The IHDR chunk's fields that say what a PNG holds.
struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;  // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA

  // Bits per pixel summed over the channels (32 for 8-bit RGBA); 0 for a colour
  // type PNG does not define.
  int BitsPerPixel() const;
};

// True when the bytes start with the PNG signature.
bool HasPngSignature(std::span<const std::uint8_t> data);

// Reads the signature and the IHDR chunk that must follow it, without decoding
// anything or checking the chunk's CRC: enough to describe an image in a listing.
Outcome<PngHeader> ReadPngHeader(std::span<const std::uint8_t> png);

// Decodes a whole PNG file to straight (not premultiplied) 8-bit RGBA, with its
// transparency chunk applied and no gamma correction, as icon images are drawn.
// Refuses a picture wider or taller than the limits allow (1024 pixels for an
// icon image), one that would decode to more than their bytes at 8-bit RGBA,
// and any file libspng finds damaged (a bad CRC, data cut short), each with a
// reason.
Outcome<RgbaImage> DecodePng(std::span<const std::uint8_t> png, const ImageLimits& limits = kIconPngLimits);

}  // namespace gs
