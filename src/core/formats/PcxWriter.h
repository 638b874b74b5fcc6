#pragma once
// ZSoft PCX export of the 32 × 32 image: a 128-byte header, run-length-encoded
// scan lines (top row first), and for 256 colours a palette trailer. 2 and 256
// colours are one plane of 1 or 8 bits, 16 colours one plane of packed nibbles,
// 24 bits three 8-bit planes (each scan line its red, green, then blue row).

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/Surface.h"

namespace gs {

struct [[gnu::packed]] PcxHeader {
  std::uint8_t manufacturer = 10;
  std::uint8_t version = 5;
  std::uint8_t encoding = 1;  // run-length
  std::uint8_t bitsPerPixel = 0;
  std::uint16_t xMin = 1;  // the window runs from (1, 1) to (32, 32): still 32 × 32
  std::uint16_t yMin = 1;
  std::uint16_t xMax = 32;
  std::uint16_t yMax = 32;
  std::uint16_t hDpi = 96;
  std::uint16_t vDpi = 96;
  std::array<std::uint8_t, 48> palette16{};  // red, green, blue; used at 2 and 16 colours
  std::uint8_t reserved = 0;
  std::uint8_t planes = 1;
  std::uint16_t bytesPerLine = 0;
  std::uint16_t paletteInfo = 0;
  std::array<std::uint8_t, 58> filler{};
};
static_assert(sizeof(PcxHeader) == 128);

// Appends one run: a single byte below 0xC0 as itself, a single byte of 0xC0 or
// above as (0xC1, value), and 2..63 copies as (0xC0 + count, value).
void EmitPCXRun(std::vector<std::uint8_t>& encoded, std::uint8_t value, int count);

// Encodes `rows` rows of `bytesPerLine` bytes each; runs stop at the end of a row
// and at 63 bytes.
std::vector<std::uint8_t> EncodePCXRows(std::span<const std::uint8_t> source, int bytesPerLine, int rows);

// An unwritable depth gives empty bytes.
std::vector<std::uint8_t> EncodePCXFile(const Surface& image, int depth);

}  // namespace gs
