#include "formats/IconDirectory.h"

#include "formats/PngImage.h"

namespace gs {
namespace {

// `alone`: the PNG is the whole file, so there is no entry to name.
void DescribePng(std::span<const std::uint8_t> data, IconEntryInfo& e, bool alone = false) {
  e.kind = IconEntryKind::Png;
  const auto header = ReadPngHeader(data);
  if (!header) {
    e.problem = alone ? "the PNG picture has no header" : "the PNG image of " + e.Label() + " has no header";
    return;
  }
  const std::uint32_t w = header->width, h = header->height;
  e.bitCount = header->BitsPerPixel();
  if (w == 0 || h == 0 || w > kMaxIconSide || h > kMaxIconSide) {
    e.problem = (alone ? "the PNG picture" : e.Label()) + " has an unusable size of " + std::to_string(w) + " × " +
                std::to_string(h);
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
  IconDirectory dir;
  if (HasPngSignature(file)) {
    dir.pngPicture = true;
    dir.header.idCount = 1;
    IconEntryInfo& e = dir.entries.emplace_back();
    e.size = file.size();
    DescribePng(file, e, true);
    return dir;
  }
  ByteReader r(file);
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
    if (HasPngSignature(data))
      DescribePng(data, e);
    else
      DescribeBitmap(data, e);
  }
  return dir;
}

}  // namespace gs
