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
    h.U16(static_cast<std::uint16_t>(b.width));
    h.U16(static_cast<std::uint16_t>(b.height));
    h.U16(1);
    h.U16(b.bitCount);
  } else {
    for (std::uint32_t v : {static_cast<std::uint32_t>(b.width), static_cast<std::uint32_t>(b.height)}) h.U32(v);
    h.U16(1);
    h.U16(b.bitCount);
    h.U32(b.compression);
    h.U32(0);  // biSizeImage
    h.U32(2835);
    h.U32(2835);
    h.U32(b.clrUsed);
    h.U32(0);
    std::size_t masks = 0;
    for (; masks < b.masks.size() && 40 + 4 * masks < b.headerSize; ++masks) h.U32(b.masks[masks]);
    while (head.size() < b.headerSize) h.U8(0);
    for (; masks < b.masks.size(); ++masks) h.U32(b.masks[masks]);
  }
  for (Colour c : b.table) {
    h.U8(static_cast<std::uint8_t>(BlueOf(c)));
    h.U8(static_cast<std::uint8_t>(GreenOf(c)));
    h.U8(static_cast<std::uint8_t>(RedOf(c)));
    if (b.headerSize != 12) h.U8(0);
  }
  const std::uint32_t offBits = b.offBits.value_or(static_cast<std::uint32_t>(14 + head.size()));
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  w.U8('B');
  w.U8('M');
  w.U32(static_cast<std::uint32_t>(offBits + b.pixels.size()));
  w.U32(0);
  w.U32(offBits);
  w.Bytes(head);
  while (out.size() < offBits) w.U8(0xEE);  // a gap before the pixels
  w.Bytes(b.pixels);
  return out;
}

}  // namespace gs::testing
