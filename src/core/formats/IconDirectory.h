#pragma once
// The directory of an .ico or .cur file and what each entry really holds.
// What an entry is comes from its own image data (the bitmap header, or the
// PNG header of a PNG-compressed entry): the directory's bWidth, bHeight and
// wBitCount are left 0 or meaningless by many writers, our own included, and
// hold the hotspot in cursor files.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/IconHeaders.h"
#include "formats/Outcome.h"

namespace gs {

// Pictures wider or taller than this are refused: no icon is, and it bounds the
// memory a hostile file can make the reader take.
inline constexpr int kMaxIconSide = 1024;

enum class IconEntryKind { Bitmap, Png };

struct IconEntryInfo {
  int index = 0;  // 0-based position in the directory
  IconDirEntry dir;
  std::size_t offset = 0;  // the entry's bytes in the file: dwImageOffset, dwBytesInRes
  std::size_t size = 0;
  IconEntryKind kind = IconEntryKind::Bitmap;
  BitmapInfoHeader header;  // bitmap entries: the header as stored
  // From the image data: pixels, and bits per pixel (for PNG the sum over its
  // channels, 32 for 8-bit RGBA). 0 where the data does not say.
  int width = 0;
  int height = 0;
  int bitCount = 0;
  // Why the entry cannot be decoded, judged from its header alone; empty when it
  // looks decodable (its pixel data may still turn out cut short).
  std::string problem;

  // "entry 2": how messages name the entry (counted from 1, as people do).
  std::string Label() const { return "entry " + std::to_string(index + 1); }
  // The entry's data; empty when it does not lie inside `file` (the directory
  // reader marks such entries, so this only guards a caller that forgot).
  std::span<const std::uint8_t> Bytes(std::span<const std::uint8_t> file) const {
    if (offset > file.size() || size > file.size() - offset) return {};
    return file.subspan(offset, size);
  }
};

struct IconDirectory {
  IconDir header;
  std::vector<IconEntryInfo> entries;
  // The file is a PNG picture standing alone (many favicons named .ico are):
  // it is read as an icon of that one image.
  bool pngPicture = false;

  bool IsCursor() const { return header.idType == kCursorType; }
};

// Reads and checks the directory: refuses an empty or short file, a file that is
// not an icon or cursor, a count of 0, a directory cut short, and an entry whose
// bytes run past the end of the file. Each entry is then described from its own
// header; an entry that cannot be decoded carries its problem but does not make
// the directory fail. A PNG picture gives a directory of its one image.
Outcome<IconDirectory> ReadIconDirectory(std::span<const std::uint8_t> file);

// Why a bitmap header cannot be decoded, or empty when it can. `label` names
// the entry in the sentence ("entry 2").
std::string BitmapHeaderProblem(const BitmapInfoHeader& h, const std::string& label);

}  // namespace gs
