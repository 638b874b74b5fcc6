#pragma once
// Builds icon files entry by entry for reader tests, the way other writers lay
// them out: any size and depth, optional colour tables and masks.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "formats/ByteWriter.h"
#include "formats/IconHeaders.h"
#include "raster/Colour.h"
#include "raster/Depth.h"

namespace gs::testing {

struct EntrySpec {
  int width = 32;
  int height = 32;
  int bitCount = 24;
  int tableEntries = -1;            // -1: 2^n at up to 8 bits, none above
  std::uint32_t clrUsed = 0;
  // Colour (or palette index) of each pixel, top-down; alpha in the top byte at 32 bits.
  std::function<std::uint32_t(int x, int y)> pixel = [](int, int) { return 0u; };
  std::function<bool(int x, int y)> masked = [](int, int) { return false; };
  std::vector<std::uint8_t> raw;    // when set, stored instead of a bitmap (a PNG, say)
  IconDirEntry dir{};               // directory fields other than size and offset
};

// The colour tables the builder writes: entry i is this colour.
inline Colour TableColour(int i) { return Rgb(i ^ 0x55, 255 - i, i & 0xFF); }

inline std::vector<std::uint8_t> BitmapImage(const EntrySpec& s) {
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  BitmapInfoHeader h;
  h.biWidth = s.width;
  h.biHeight = 2 * s.height;
  h.biBitCount = static_cast<std::uint16_t>(s.bitCount);
  h.biClrUsed = s.clrUsed;
  WriteBitmapInfoHeader(w, h);
  const int entries = s.tableEntries >= 0 ? s.tableEntries : (s.bitCount <= 8 ? 1 << s.bitCount : 0);
  for (int i = 0; i < entries; ++i) {
    const Colour c = TableColour(i);
    w.U8(BlueOf(c));
    w.U8(GreenOf(c));
    w.U8(RedOf(c));
    w.U8(0);
  }
  const int stride = DibStride(s.width, s.bitCount);
  for (int row = s.height - 1; row >= 0; --row) {
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      const std::uint32_t v = s.pixel(x, row);
      switch (s.bitCount) {
        case 1: line[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8)); break;
        case 4: line[x / 2] |= static_cast<std::uint8_t>(x % 2 ? v & 15 : (v & 15) << 4); break;
        case 8: line[x] = static_cast<std::uint8_t>(v); break;
        default:
          line[x * (s.bitCount / 8)] = static_cast<std::uint8_t>(BlueOf(v));
          line[x * (s.bitCount / 8) + 1] = static_cast<std::uint8_t>(GreenOf(v));
          line[x * (s.bitCount / 8) + 2] = static_cast<std::uint8_t>(RedOf(v));
          if (s.bitCount == 32) line[x * 4 + 3] = static_cast<std::uint8_t>(v >> 24);
      }
    }
    w.Bytes(line);
  }
  const int maskStride = DibStride(s.width, 1);
  for (int row = s.height - 1; row >= 0; --row) {
    std::vector<std::uint8_t> line(maskStride, 0);
    for (int x = 0; x < s.width; ++x)
      if (s.masked(x, row)) line[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    w.Bytes(line);
  }
  return out;
}

inline std::vector<std::uint8_t> IconFile(const std::vector<EntrySpec>& specs, std::uint16_t type = kIconType) {
  std::vector<std::vector<std::uint8_t>> images;
  for (const EntrySpec& s : specs) images.push_back(s.raw.empty() ? BitmapImage(s) : s.raw);
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  WriteIconDir(w, {0, type, static_cast<std::uint16_t>(specs.size())});
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * specs.size());
  for (std::size_t i = 0; i < specs.size(); ++i) {
    IconDirEntry e = specs[i].dir;
    e.dwBytesInRes = static_cast<std::uint32_t>(images[i].size());
    e.dwImageOffset = offset;
    offset += e.dwBytesInRes;
    WriteIconDirEntry(w, e);
  }
  for (const auto& image : images) w.Bytes(image);
  return out;
}

// Bytes from hex text such as "28 00 00 00"; blanks and "|" separate fields.
inline std::vector<std::uint8_t> Hex(std::string_view text) {
  std::vector<std::uint8_t> out;
  int nibbles = 0, value = 0;
  for (char ch : text) {
    int v = -1;
    if (ch >= '0' && ch <= '9') v = ch - '0';
    else if (ch >= 'A' && ch <= 'F') v = ch - 'A' + 10;
    else if (ch >= 'a' && ch <= 'f') v = ch - 'a' + 10;
    if (v < 0) continue;
    value = value * 16 + v;
    if (++nibbles == 2) {
      out.push_back(static_cast<std::uint8_t>(value));
      nibbles = value = 0;
    }
  }
  return out;
}

inline std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t n) {
  return {b.begin() + at, b.begin() + at + n};
}

// Little-endian field readers for golden-byte checks.
inline std::uint32_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
inline std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16At(b, at) | (U16At(b, at + 2) << 16);
}

}  // namespace gs::testing
