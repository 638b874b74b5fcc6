#include "formats/PcxWriter.h"


#include "formats/ByteWriter.h"
#include "formats/HeaderFields.h"
#include "formats/IconWriter.h"
#include "raster/Depth.h"

namespace gs {
namespace {

constexpr int kMaxRun = 63;
constexpr std::uint8_t kRunFlag = 0xC0;

void WriteHeader(ByteWriter& w, const PcxHeader& h) {
  WriteFields<PcxHeader>(w, h.manufacturer, h.version, h.encoding, h.bitsPerPixel, h.xMin, h.yMin, h.xMax, h.yMax,
                         h.hDpi, h.vDpi, h.palette16, h.reserved, h.planes, h.bytesPerLine, h.paletteInfo, h.filler);
}

// The table's colours as red, green, blue triples.
template <std::size_t N>
void PutRgbTriples(const std::vector<Colour>& table, std::array<std::uint8_t, N>& out) {
  for (std::size_t i = 0; i < table.size() && i * 3 + 2 < N; ++i) {
    out[i * 3] = static_cast<std::uint8_t>(RedOf(table[i]));
    out[i * 3 + 1] = static_cast<std::uint8_t>(GreenOf(table[i]));
    out[i * 3 + 2] = static_cast<std::uint8_t>(BlueOf(table[i]));
  }
}

}  // namespace

void EmitPCXRun(std::vector<std::uint8_t>& encoded, std::uint8_t value, int count) {
  if (count == 1 && value < kRunFlag) {
    encoded.push_back(value);
    return;
  }
  encoded.push_back(static_cast<std::uint8_t>(kRunFlag + count));
  encoded.push_back(value);
}

std::vector<std::uint8_t> EncodePCXRows(std::span<const std::uint8_t> source, int bytesPerLine, int rows) {
  std::vector<std::uint8_t> encoded;
  encoded.reserve(source.size() * 2);
  for (int row = 0; row < rows; ++row) {
    const std::size_t start = static_cast<std::size_t>(row) * bytesPerLine;
    if (start + bytesPerLine > source.size()) break;
    const std::uint8_t* line = source.data() + start;
    for (int x = 0; x < bytesPerLine;) {
      int run = 1;
      while (x + run < bytesPerLine && line[x + run] == line[x] && run < kMaxRun) ++run;
      EmitPCXRun(encoded, line[x], run);
      x += run;
    }
  }
  return encoded;
}

std::vector<std::uint8_t> EncodePCXFile(const Surface& image, int depth) {
  std::vector<std::uint8_t> bytes;
  if (!IsWritableDepth(depth)) return bytes;
  const DibBits dib = GetBitsAtDepth(image.Copy({0, 0, kIconSide, kIconSide}), depth, /*topDown=*/true);

  PcxHeader h;
  h.bitsPerPixel = static_cast<std::uint8_t>(depth == 24 ? 8 : depth);
  h.planes = depth == 24 ? 3 : 1;
  h.bytesPerLine = static_cast<std::uint16_t>(depth == 24 ? kIconSide : dib.Stride());
  // Readers take a 2-colour picture's black and white from the header palette
  // too; left zero, the picture would show as a negative.
  if (depth == 1 || depth == 4) PutRgbTriples(dib.table, h.palette16);

  std::vector<std::uint8_t> encoded;
  if (depth == 24) {
    // Each scan line becomes its red, green and blue rows, encoded one by one.
    std::vector<std::uint8_t> planes(3 * kIconSide * kIconSide);
    for (int y = 0; y < kIconSide; ++y)
      for (int x = 0; x < kIconSide; ++x)
        for (int c = 0; c < 3; ++c)  // pixels are stored blue, green, red
          planes[(y * 3 + c) * kIconSide + x] = dib.bits[y * dib.Stride() + x * 3 + (2 - c)];
    encoded = EncodePCXRows(planes, kIconSide, 3 * kIconSide);
  } else {
    encoded = EncodePCXRows(dib.bits, dib.Stride(), kIconSide);
  }

  ByteWriter w(bytes);
  WriteHeader(w, h);
  w.Bytes(encoded);
  if (depth == 8) {
    std::array<std::uint8_t, 768> trailer{};
    PutRgbTriples(dib.table, trailer);
    w.U8(0x0C);
    w.Bytes(trailer);
  }
  return bytes;
}

}  // namespace gs
