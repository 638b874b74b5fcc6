#include "formats/BitmapEntryDecoder.h"

#include <algorithm>

#include "formats/PalettedBits.h"
#include "raster/Depth.h"

namespace gs {

Outcome<DecodedEntry> DecodeBitmapEntry(std::span<const std::uint8_t> file, const IconEntryInfo& entry) {
  using Result = Outcome<DecodedEntry>;
  const std::string label = entry.Label();
  ByteReader r(entry.Bytes(file));
  const BitmapInfoHeader h = ReadBitmapInfoHeader(r);
  if (!r.Ok()) return Result::Failure(label + " is too short to hold an image header");
  if (std::string problem = BitmapHeaderProblem(h, label); !problem.empty()) return Result::Failure(problem);

  const int width = h.biWidth, height = h.biHeight / 2, bpp = h.biBitCount;
  std::uint64_t tableCount = h.biClrUsed;
  if (bpp <= 8) tableCount = tableCount == 0 ? (1u << bpp) : std::min<std::uint64_t>(tableCount, 256);
  const auto tableBytes = r.Bytes(tableCount * 4);
  if (!r.Ok()) return Result::Failure("the colour table of " + label + " is cut short");
  const std::vector<Colour> table = ColoursFromRgbQuads(tableBytes);

  const std::size_t stride = static_cast<std::size_t>(DibStride(width, bpp));
  const auto colourBits = r.Bytes(std::uint64_t{stride} * height);
  if (!r.Ok()) return Result::Failure("the pixel data of " + label + " is cut short");
  const std::size_t maskStride = static_cast<std::size_t>(DibStride(width, 1));
  const auto maskBits = r.Bytes(std::uint64_t{maskStride} * height);
  const bool hasMask = r.Ok();
  // A 32-bit entry whose alpha channel is used needs no mask; decide before
  // decoding anything, so a damaged entry costs no work.
  bool alphaFromChannel = false;
  if (bpp == 32)
    for (std::size_t i = 3; i < colourBits.size() && !alphaFromChannel; i += 4) alphaFromChannel = colourBits[i] != 0;
  if (!hasMask && !alphaFromChannel) return Result::Failure("the mask of " + label + " is cut short");

  DecodedEntry out;
  RgbaImage& img = out.image;
  img.width = width;
  img.height = height;
  img.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  std::vector<std::uint8_t> expanded;
  for (int row = 0; row < height; ++row) {
    const auto src = colourBits.subspan(static_cast<std::size_t>(row) * stride, stride);
    std::uint32_t* dst = img.pixels.data() + static_cast<std::size_t>(height - 1 - row) * width;  // bottom-up
    if (bpp <= 8) {
      expanded.clear();
      ExpandPalettedBits(src, bpp, table, expanded);
      for (int x = 0; x < width; ++x) dst[x] = WithAlpha(Rgb(expanded[x * 3 + 2], expanded[x * 3 + 1], expanded[x * 3]), 255);
    } else {
      const int n = bpp / 8;
      for (int x = 0; x < width; ++x) {
        const std::uint8_t* p = src.data() + static_cast<std::size_t>(x) * n;
        dst[x] = WithAlpha(Rgb(p[2], p[1], p[0]), n == 4 ? p[3] : 255);
      }
    }
  }

  if (hasMask) out.mask.assign(maskBits.begin(), maskBits.end());
  if (!alphaFromChannel) {
    for (int row = 0; row < height; ++row) {
      const std::uint8_t* m = maskBits.data() + static_cast<std::size_t>(row) * maskStride;
      std::uint32_t* dst = img.pixels.data() + static_cast<std::size_t>(height - 1 - row) * width;
      for (int x = 0; x < width; ++x) {
        const bool transparent = (m[x / 8] >> (7 - x % 8)) & 1;
        dst[x] = WithAlpha(ColourOf(dst[x]), transparent ? 0 : 255);
      }
    }
  }
  return out;
}

}  // namespace gs
