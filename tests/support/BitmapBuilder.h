#pragma once
// Builds Windows bitmap files field by field for tests, with any header
// version, so the reader is checked against layouts the project's own writer
// never makes (top-down rows, colour masks, OS/2 headers, RLE data).

#include <cstdint>
#include <optional>
#include <vector>

#include "formats/ByteWriter.h"
#include "raster/Colour.h"

namespace gs::testing {

struct BmpLayout {
  std::uint32_t headerSize = 40;  // 12, 40, 52, 56, 108 or 124 (any other is written as 40 bytes plus zeros)
  std::int32_t width = 2;
  std::int32_t height = 2;  // negative: top-down
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t clrUsed = 0;
  std::vector<std::uint32_t> masks{};  // inside a header of 52 bytes or more, else after the 40 bytes
  std::vector<Colour> table{};         // quads, or triples after a 12-byte header
  std::vector<std::uint8_t> pixels{};  // as stored
  std::optional<std::uint32_t> offBits{};  // default: right after the table
};

inline std::vector<std::uint8_t> BmpFile(const BmpLayout& b) {
  std::vector<std::uint8_t> head;
  ByteWriter h(head);
  h.U32(b.headerSize);
  if (b.headerSize == 12) {
    for (int v : {b.width, b.height, 1, int{b.bitCount}}) h.U16(static_cast<std::uint16_t>(v));
  } else {
    h.I32(b.width);
    h.I32(b.height);
    h.U16(1);
    h.U16(b.bitCount);
    // biCompression, biSizeImage, the resolution, biClrUsed and biClrImportant
    for (std::uint32_t v : {b.compression, 0u, 2835u, 2835u, b.clrUsed, 0u}) h.U32(v);
    std::size_t masks = 0;
    for (; masks < b.masks.size() && 40 + 4 * masks < b.headerSize; ++masks) h.U32(b.masks[masks]);
    while (head.size() < b.headerSize) h.U8(0);
    for (; masks < b.masks.size(); ++masks) h.U32(b.masks[masks]);
  }
  for (Colour c : b.table) {
    for (int v : {BlueOf(c), GreenOf(c), RedOf(c)}) h.U8(static_cast<std::uint32_t>(v));
    if (b.headerSize != 12) h.U8(0);
  }
  const std::uint32_t offBits = b.offBits.value_or(static_cast<std::uint32_t>(14 + head.size()));
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  w.U8('B');
  w.U8('M');
  for (std::uint32_t v : {static_cast<std::uint32_t>(offBits + b.pixels.size()), 0u, offBits}) w.U32(v);
  w.Bytes(head);
  while (out.size() < offBits) w.U8(0xEE);  // a gap before the pixels
  w.Bytes(b.pixels);
  return out;
}

}  // namespace gs::testing
