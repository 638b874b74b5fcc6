#include "formats/IconDirectory.h"

#include <algorithm>
#include <array>

namespace gs {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::uint32_t BigEndian32(std::span<const std::uint8_t> d, std::size_t at) {
  return (static_cast<std::uint32_t>(d[at]) << 24) | (static_cast<std::uint32_t>(d[at + 1]) << 16) |
         (static_cast<std::uint32_t>(d[at + 2]) << 8) | d[at + 3];
}

// Bits per pixel of a PNG from its bit depth and colour type; 0 for nonsense.
int PngBitsPerPixel(int bitDepth, int colourType) {
  switch (colourType) {
    case 0: return bitDepth;      // grey
    case 2: return 3 * bitDepth;  // RGB
    case 3: return bitDepth;      // palette
    case 4: return 2 * bitDepth;  // grey and alpha
    case 6: return 4 * bitDepth;  // RGBA
    default: return 0;
  }
}

void DescribePng(std::span<const std::uint8_t> data, IconEntryInfo& e) {
  e.kind = IconEntryKind::Png;
  // Signature, then the IHDR chunk: length 13, "IHDR", width, height, depth, colour type.
  constexpr std::size_t kIhdrEnd = 8 + 8 + 13;
  if (data.size() < kIhdrEnd || data[12] != 'I' || data[13] != 'H' || data[14] != 'D' || data[15] != 'R') {
    e.problem = "the PNG image of " + e.Label() + " has no header";
    return;
  }
  const std::uint32_t w = BigEndian32(data, 16), h = BigEndian32(data, 20);
  e.bitCount = PngBitsPerPixel(data[24], data[25]);
  if (w == 0 || h == 0 || w > kMaxIconSide || h > kMaxIconSide) {
    e.problem = e.Label() + " has an unusable size of " + std::to_string(w) + " × " + std::to_string(h);
    return;
  }
  e.width = static_cast<int>(w);
  e.height = static_cast<int>(h);
}

void DescribeBitmap(std::span<const std::uint8_t> data, IconEntryInfo& e) {
  ByteReader r(data);
  e.header = ReadBitmapInfoHeader(r);
  if (!r.Ok()) {
    e.problem = e.Label() + " is too short to hold an image header";
    return;
  }
  e.problem = BitmapHeaderProblem(e.header, e.Label());
  if (e.header.biSize != 40) return;
  // Kept as stored, for listings; only entries without a problem are decoded.
  e.bitCount = e.header.biBitCount;
  e.width = e.header.biWidth;
  e.height = e.header.biHeight / 2;
}

}  // namespace

bool IsPngData(std::span<const std::uint8_t> data) {
  return data.size() >= kPngSignature.size() && std::equal(kPngSignature.begin(), kPngSignature.end(), data.begin());
}

std::string BitmapHeaderProblem(const BitmapInfoHeader& h, const std::string& label) {
  if (h.biSize != 40)
    return label + " has an image header of " + std::to_string(h.biSize) + " bytes, not 40";
  // biHeight covers the colour rows and the mask rows.
  if (h.biWidth < 1 || h.biWidth > kMaxIconSide || h.biHeight < 2 || h.biHeight / 2 > kMaxIconSide)
    return label + " has an unusable size of " + std::to_string(h.biWidth) + " × " + std::to_string(h.biHeight / 2);
  const int bpp = h.biBitCount;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32)
    return label + " has an unsupported bit depth of " + std::to_string(bpp);
  if (h.biCompression != 0)
    return label + " uses compression method " + std::to_string(h.biCompression) + ", which is not supported";
  return {};
}

Outcome<IconDirectory> ReadIconDirectory(std::span<const std::uint8_t> file) {
  using Result = Outcome<IconDirectory>;
  if (file.empty()) return Result::Failure("the file is empty");
  ByteReader r(file);
  IconDirectory dir;
  dir.header = ReadIconDir(r);
  if (!r.Ok()) return Result::Failure("the file is too short to be an icon or cursor");
  if (dir.header.idReserved != 0 || (dir.header.idType != kIconType && dir.header.idType != kCursorType))
    return Result::Failure("it is not an icon or cursor file");
  if (dir.header.idCount == 0) return Result::Failure("the directory lists no images");
  if (!RangeFits(sizeof(IconDir), std::uint64_t{dir.header.idCount} * sizeof(IconDirEntry), file.size()))
    return Result::Failure("the directory is cut short");

  dir.entries.resize(dir.header.idCount);
  for (int i = 0; i < dir.header.idCount; ++i) {
    IconEntryInfo& e = dir.entries[i];
    e.index = i;
    e.dir = ReadIconDirEntry(r);
    if (!RangeFits(e.dir.dwImageOffset, e.dir.dwBytesInRes, file.size()))
      return Result::Failure(e.Label() + " runs past the end of the file");
    e.offset = e.dir.dwImageOffset;
    e.size = e.dir.dwBytesInRes;
    const auto data = e.Bytes(file);
    if (IsPngData(data))
      DescribePng(data, e);
    else
      DescribeBitmap(data, e);
  }
  return dir;
}

}  // namespace gs
