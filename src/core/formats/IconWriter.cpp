#include "formats/IconWriter.h"

#include "formats/AdaptivePalette.h"
#include "formats/ByteWriter.h"
#include "formats/IconHeaders.h"
#include "raster/Depth.h"

namespace gs {
namespace {

struct DepthLayout {
  int depth;
  int tableEntries;
  int colourBytes;
  std::uint32_t sizeImage;  // as earlier versions stored it, not the byte count
  std::uint32_t clrUsed;
};

constexpr DepthLayout kLayouts[] = {
    {1, 2, 128, 128, 0},
    {4, 16, 512, 2, 0},
    {8, 256, 1024, 1152, 256},
    {24, 1, 3072, 1153, 1},
};

constexpr int kDirectoryBytes = sizeof(IconDir) + sizeof(IconDirEntry);
constexpr int kMaskBytes = 128;

const DepthLayout* LayoutFor(int depth) {
  for (const DepthLayout& l : kLayouts)
    if (l.depth == depth) return &l;
  return nullptr;
}

// The colour bits (bottom-up) and table of the 8-bit adaptive conversion.
DibBits AdaptiveBits(const Surface& image) {
  const Palette256 palette = BuildAdaptivePalette(image);
  DibBits dib;
  dib.width = kIconSide;
  dib.height = kIconSide;
  dib.bitCount = 8;
  dib.table.assign(palette.begin(), palette.end());
  dib.bits.assign(kIconSide * kIconSide, 0);
  for (int k = 0; k < kIconSide * kIconSide; ++k) {
    const Colour c = image.Pixels()[k];
    dib.bits[(kIconSide - 1 - k / kIconSide) * kIconSide + k % kIconSide] =
        static_cast<std::uint8_t>(NearestPaletteIndex(palette, RedOf(c), GreenOf(c), BlueOf(c)));
  }
  return dib;
}

}  // namespace

EncodedIcon EncodeIconFile(const Surface& image, Colour transparent, int depth, PaletteMode mode) {
  EncodedIcon out;
  const DepthLayout* layout = LayoutFor(depth);
  if (!layout) return out;

  const Surface picture = image.Copy({0, 0, kIconSide, kIconSide}, transparent);
  Surface blackened = picture;
  for (Colour& c : blackened.Pixels())
    if (c == transparent) c = 0;
  out.mask = MaskFromTransparentColour(picture, transparent);

  const int tableBytes = layout->tableEntries * 4;
  const std::uint32_t bytesInRes = sizeof(BitmapInfoHeader) + tableBytes + layout->colourBytes + kMaskBytes;
  out.bytes.reserve(kDirectoryBytes + bytesInRes);
  ByteWriter w(out.bytes);

  WriteIconDir(w, {0, kIconType, 1});
  IconDirEntry entry;
  entry.bWidth = kIconSide;
  entry.bHeight = kIconSide;
  entry.bColorCount = depth == 4 ? 16 : 0;
  // Earlier versions stored 5 and 7 here for a two-colour image and 0 for the
  // others; readers take the depth from the bitmap header, and the same bytes
  // keep the files identical to theirs.
  entry.wPlanes = depth == 1 ? 5 : 0;
  entry.wBitCount = depth == 1 ? 7 : 0;
  entry.dwBytesInRes = bytesInRes;
  entry.dwImageOffset = kDirectoryBytes;
  WriteIconDirEntry(w, entry);

  BitmapInfoHeader header;
  header.biWidth = kIconSide;
  header.biHeight = 2 * kIconSide;  // colour rows and mask rows
  header.biBitCount = static_cast<std::uint16_t>(depth);
  header.biSizeImage = layout->sizeImage;
  header.biClrUsed = layout->clrUsed;
  WriteBitmapInfoHeader(w, header);

  const DibBits dib = depth == 8 && mode == PaletteMode::Adaptive ? AdaptiveBits(blackened)
                                                                   : GetBitsAtDepth(blackened, depth);
  // At 24 bits the header declares a one-entry table (biClrUsed 1) that no
  // pixel uses; readers skip its four bytes. Earlier versions wrote blanks.
  if (depth == 24)
    w.Fill(4, 0x20);
  else
    w.Bytes(TableToRgbQuads(dib.table));
  w.Bytes(dib.bits);
  w.Bytes(out.mask);
  return out;
}

void PatchCursorHeader(std::vector<std::uint8_t>& iconBytes, Point hotspot) {
  ByteWriter w(iconBytes);
  w.Patch(2, kCursorType, 2);
  w.Patch(10, static_cast<std::uint32_t>(hotspot.x), 2);
  w.Patch(12, static_cast<std::uint32_t>(hotspot.y), 2);
}

EncodedIcon EncodeCursorFile(const Surface& image, Colour transparent, int depth, PaletteMode mode, Point hotspot) {
  EncodedIcon out = EncodeIconFile(image, transparent, depth, mode);
  PatchCursorHeader(out.bytes, hotspot);
  return out;
}

}  // namespace gs
