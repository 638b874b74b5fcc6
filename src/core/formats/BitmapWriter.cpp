#include "formats/BitmapWriter.h"


#include "formats/ByteWriter.h"
#include "formats/HeaderFields.h"
#include "formats/IconHeaders.h"
#include "formats/IconWriter.h"
#include "raster/Depth.h"

namespace gs {

std::vector<std::uint8_t> EncodeBitmapFile(const Surface& image, int depth) {
  std::vector<std::uint8_t> bytes;
  if (!IsWritableDepth(depth)) return bytes;
  const DibBits dib = GetBitsAtDepth(image.Copy({0, 0, kIconSide, kIconSide}), depth);
  const std::vector<std::uint8_t> table = TableToRgbQuads(dib.table);  // none at 24 bits

  BitmapFileHeader file;
  file.bfOffBits = static_cast<std::uint32_t>(sizeof(BitmapFileHeader) + sizeof(BitmapInfoHeader) + table.size());
  file.bfSize = file.bfOffBits + static_cast<std::uint32_t>(dib.bits.size());

  BitmapInfoHeader info;
  info.biWidth = kIconSide;
  info.biHeight = kIconSide;
  info.biBitCount = static_cast<std::uint16_t>(depth);
  info.biSizeImage = depth == 24 ? static_cast<std::uint32_t>(dib.bits.size()) : 0;
  info.biClrUsed = static_cast<std::uint32_t>(dib.table.size());
  info.biClrImportant = info.biClrUsed;

  bytes.reserve(file.bfSize);
  ByteWriter w(bytes);
  WriteFields<BitmapFileHeader>(w, file.bfType, file.bfSize, file.bfReserved1, file.bfReserved2, file.bfOffBits);
  WriteBitmapInfoHeader(w, info);
  w.Bytes(table);
  w.Bytes(dib.bits);
  return bytes;
}

}  // namespace gs
