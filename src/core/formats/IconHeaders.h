#pragma once
// The fixed headers of icon and cursor files, field for field as stored. They
// are read and written one field at a time (little-endian whatever the host);
// the packed layouts and the static_asserts keep each struct in step with the
// file: a forgotten or mistyped field changes the size and stops the build.

#include <cstdint>

#include "formats/ByteReader.h"
#include "formats/ByteWriter.h"

namespace gs {

struct [[gnu::packed]] IconDir {
  std::uint16_t idReserved = 0;
  std::uint16_t idType = 1;  // 1 icon, 2 cursor
  std::uint16_t idCount = 0;
};
static_assert(sizeof(IconDir) == 6);

// In a cursor file wPlanes and wBitCount hold the hotspot's x and y.
struct [[gnu::packed]] IconDirEntry {
  std::uint8_t bWidth = 0;
  std::uint8_t bHeight = 0;
  std::uint8_t bColorCount = 0;
  std::uint8_t bReserved = 0;
  std::uint16_t wPlanes = 0;
  std::uint16_t wBitCount = 0;
  std::uint32_t dwBytesInRes = 0;
  std::uint32_t dwImageOffset = 0;
};
static_assert(sizeof(IconDirEntry) == 16);

struct [[gnu::packed]] BitmapInfoHeader {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 0;
  std::int32_t biHeight = 0;
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 0;
  std::uint32_t biCompression = 0;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

inline constexpr std::uint16_t kIconType = 1;
inline constexpr std::uint16_t kCursorType = 2;

IconDir ReadIconDir(ByteReader& r);
IconDirEntry ReadIconDirEntry(ByteReader& r);
BitmapInfoHeader ReadBitmapInfoHeader(ByteReader& r);

void WriteIconDir(ByteWriter& w, const IconDir& h);
void WriteIconDirEntry(ByteWriter& w, const IconDirEntry& e);
void WriteBitmapInfoHeader(ByteWriter& w, const BitmapInfoHeader& h);

}  // namespace gs
