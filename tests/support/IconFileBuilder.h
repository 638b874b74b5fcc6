#pragma once
// Builds icon files entry by entry for reader tests, the way other writers lay
// them out: any size and depth, colour tables and masks; and the byte helpers
// of the golden-layout tests.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ByteWriter.h"
#include "formats/IconHeaders.h"
#include "raster/Colour.h"
#include "raster/Depth.h"

namespace gs::testing {

using Bytes = std::vector<std::uint8_t>;

struct EntryLayout {
  int width = 32, height = 32, bitCount = 24;
  std::uint32_t clrUsed = 0;  // also the colour table's length; 0: 2^n entries at up to 8 bits, none above
  // Colour (or palette index) of each pixel, top-down; alpha in the top byte at 32 bits.
  std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
  std::function<bool(int x, int y)> masked = [](int, int) { return false; };
  Bytes raw{};         // when set, stored instead of a bitmap (a PNG, say)
  IconDirEntry dir{};  // directory fields other than size and offset
};

inline EntryLayout Entry(int width, int height, int bitCount) {
  return {.width = width, .height = height, .bitCount = bitCount};
}

// The colour tables the builder writes: entry i is this colour.
inline Colour TableColour(int i) { return Rgb(i ^ 0x55, 255 - i, i); }

// Rows bottom-up: values packed from the high bits at up to 8 bits, else blue, green, red (, alpha).
inline void PutRows(ByteWriter& w, const EntryLayout& e, int bits, const std::function<std::uint32_t(int, int)>& value) {
  for (int row = e.height - 1; row >= 0; --row) {
    Bytes line(DibStride(e.width, bits), 0);
    for (int x = 0; x < e.width; ++x) {
      const std::uint32_t v = value(x, row);
      const std::uint8_t bgra[] = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v), std::uint8_t(v >> 24)};
      if (bits <= 8) line[x * bits / 8] |= static_cast<std::uint8_t>((v & ((1u << bits) - 1)) << (8 - bits - x * bits % 8));
      else std::copy_n(bgra, bits / 8, line.begin() + x * bits / 8);
    }
    w.Bytes(line);
  }
}

inline Bytes IconFile(const std::vector<EntryLayout>& entries, std::uint16_t type = kIconType) {
  Bytes out, images;
  ByteWriter w(out), image(images);
  WriteIconDir(w, {0, type, static_cast<std::uint16_t>(entries.size())});
  for (const EntryLayout& e : entries) {
    const std::size_t start = images.size();
    if (e.raw.empty()) {
      WriteBitmapInfoHeader(image, {.biWidth = e.width, .biHeight = 2 * e.height, .biBitCount = std::uint16_t(e.bitCount),
                                    .biClrUsed = e.clrUsed});
      const int tableEntries = e.clrUsed ? static_cast<int>(e.clrUsed) : e.bitCount <= 8 ? 1 << e.bitCount : 0;
      for (int i = 0; i < tableEntries; ++i) image.U32(i | (255 - i) << 8 | (i ^ 0x55) << 16);  // TableColour(i)
      PutRows(image, e, e.bitCount, e.pixel);
      PutRows(image, e, 1, [&](int x, int y) { return e.masked(x, y) ? 1u : 0u; });
    }
    image.Bytes(e.raw);
    IconDirEntry d = e.dir;
    d.dwBytesInRes = static_cast<std::uint32_t>(images.size() - start);
    d.dwImageOffset = static_cast<std::uint32_t>(6 + 16 * entries.size() + start);
    WriteIconDirEntry(w, d);
  }
  w.Bytes(images);
  return out;
}

// Bytes from hex text such as "28000000 | 0A 00": digit pairs, groups separated by blanks and bars.
inline Bytes Hex(std::string_view text) {
  Bytes out;
  for (std::size_t i = text.find_first_not_of(" |"); i < text.size(); i = text.find_first_not_of(" |", i + 2))
    out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
  return out;
}

inline Bytes Slice(const Bytes& b, std::size_t at, std::size_t n) { return {b.begin() + at, b.begin() + at + n}; }

// Little-endian values of `size` bytes each, one after another.
inline Bytes Words(int size, const std::vector<std::uint32_t>& values) {
  Bytes out;
  ByteWriter w(out);
  for (std::uint32_t v : values) size == 2 ? w.U16(v) : w.U32(v);
  return out;
}
inline Bytes U16s(const std::vector<std::uint32_t>& values) { return Words(2, values); }
inline Bytes U32s(const std::vector<std::uint32_t>& values) { return Words(4, values); }

}  // namespace gs::testing
