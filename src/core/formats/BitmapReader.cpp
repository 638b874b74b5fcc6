#include "formats/BitmapReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "formats/BitmapWriter.h"
#include "formats/ByteReader.h"
#include "formats/IconHeaders.h"
#include "formats/PalettedBits.h"

namespace gs {
namespace {

using Result = Outcome<RgbaImage>;

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitfields = 3,
  kJpeg = 4,
  kPng = 5,
  kAlphaBitfields = 6,
};

// The OS/2 header: 16-bit sizes, no compression, a table of 3-byte entries.
struct [[gnu::packed]] BitmapCoreHeader {
  std::uint32_t bcSize = 12;
  std::uint16_t bcWidth = 0;
  std::uint16_t bcHeight = 0;
  std::uint16_t bcPlanes = 1;
  std::uint16_t bcBitCount = 0;
};
static_assert(sizeof(BitmapCoreHeader) == 12);

constexpr std::uint64_t kFileHeaderSize = sizeof(BitmapFileHeader);
constexpr std::uint32_t kCoreHeaderSize = sizeof(BitmapCoreHeader);
constexpr std::uint32_t kInfoHeaderSize = sizeof(BitmapInfoHeader);
// After the 40 bytes come the three colour masks (52), the alpha mask (56),
// the colour space (108) and the colour profile's place (124).
constexpr std::uint32_t kMasksHeaderSize = 52;
constexpr std::uint32_t kAlphaMaskHeaderSize = 56;

bool KnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == kMasksHeaderSize ||
         size == kAlphaMaskHeaderSize || size == 108 || size == 124;
}

std::string SizeText(std::int64_t w, std::int64_t h) { return std::to_string(w) + " × " + std::to_string(h); }

// What the pixels need to know, from whichever header the file has.
struct Layout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows, always positive
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
  bool masksGiven = false;               // from the file rather than the defaults
  std::uint64_t tableOffset = 0;         // the first byte after the headers and masks
  std::uint64_t tableCount = 0;
  std::uint64_t tableEntrySize = 4;
};

// One colour mask: which bits hold the channel, and their widening to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  // Nothing for a mask whose bits are not one run.
  static std::optional<Channel> From(std::uint32_t mask) {
    Channel c;
    if (mask == 0) return c;
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.bits = std::popcount(mask);
    const std::uint64_t run = std::uint64_t{mask} >> c.shift;
    if ((run & (run + 1)) != 0) return std::nullopt;
    return c;
  }
  int Value(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<int>(v >> (bits - 8));
    const std::uint32_t max = (1u << bits) - 1;
    return static_cast<int>((v * 255 + max / 2) / max);
  }
};

Outcome<Layout> ReadLayout(std::span<const std::uint8_t> file, std::uint32_t headerSize) {
  using LayoutResult = Outcome<Layout>;
  ByteReader r(file, kFileHeaderSize);
  Layout l;
  if (headerSize == kCoreHeaderSize) {
    BitmapCoreHeader h;
    h.bcSize = r.U32();
    h.bcWidth = r.U16();
    h.bcHeight = r.U16();
    h.bcPlanes = r.U16();
    h.bcBitCount = r.U16();
    if (!r.Ok()) return LayoutResult::Failure("the bitmap header is cut short");
    l.width = h.bcWidth;
    l.height = h.bcHeight;
    l.bitCount = h.bcBitCount;
    if (l.bitCount != 1 && l.bitCount != 4 && l.bitCount != 8 && l.bitCount != 24)
      return LayoutResult::Failure("the bitmap has an unsupported bit depth of " + std::to_string(l.bitCount));
    l.tableEntrySize = 3;
    l.tableOffset = kFileHeaderSize + kCoreHeaderSize;
    l.tableCount = l.bitCount <= 8 ? std::uint64_t{1} << l.bitCount : 0;
    return l;
  }

  const BitmapInfoHeader h = ReadBitmapInfoHeader(r);
  std::uint64_t masksEnd = kFileHeaderSize + headerSize;
  if (headerSize >= kMasksHeaderSize) {
    for (int i = 0; i < (headerSize >= kAlphaMaskHeaderSize ? 4 : 3); ++i) l.masks[i] = r.U32();
  } else if (h.biCompression == kBitfields || h.biCompression == kAlphaBitfields) {
    // A 40-byte header is followed by the masks it needs.
    const int count = h.biCompression == kBitfields ? 3 : 4;
    for (int i = 0; i < count; ++i) l.masks[i] = r.U32();
    masksEnd += 4 * count;
    if (!r.Ok()) return LayoutResult::Failure("the bitmap's colour masks are cut short");
  }
  if (!r.Ok() || !RangeFits(0, masksEnd, file.size())) return LayoutResult::Failure("the bitmap header is cut short");
  if (h.biHeight == std::numeric_limits<std::int32_t>::min())
    return LayoutResult::Failure("the bitmap has an unusable height of " + std::to_string(h.biHeight));
  l.width = h.biWidth;
  l.height = h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight;
  l.topDown = h.biHeight < 0;
  l.bitCount = h.biBitCount;
  l.compression = h.biCompression;
  l.masksGiven = l.compression == kBitfields || l.compression == kAlphaBitfields;
  l.tableOffset = masksEnd;
  if (l.bitCount >= 1 && l.bitCount <= 8) {
    const std::uint64_t full = std::uint64_t{1} << l.bitCount;
    // A longer table than the depth can index says nothing more.
    l.tableCount = h.biClrUsed == 0 ? full : std::min<std::uint64_t>(h.biClrUsed, full);
  }
  return l;
}

// Why the header's compression and depth cannot be read; empty when they can.
std::string CompressionProblem(const Layout& l) {
  const std::string depth = std::to_string(l.bitCount);
  switch (l.compression) {
    case kRgb:
      if (l.bitCount == 1 || l.bitCount == 4 || l.bitCount == 8 || l.bitCount == 16 || l.bitCount == 24 ||
          l.bitCount == 32)
        return {};
      return "the bitmap has an unsupported bit depth of " + depth;
    case kRle8:
    case kRle4: {
      const int wanted = l.compression == kRle8 ? 8 : 4;
      const std::string name = l.compression == kRle8 ? "RLE8" : "RLE4";
      if (l.bitCount != wanted) return "the bitmap's " + name + " compression does not fit its " + depth + " bits per pixel";
      // Compressed rows always run bottom-up.
      if (l.topDown) return "the bitmap is top-down, which its " + name + " compression does not allow";
      return {};
    }
    case kBitfields:
    case kAlphaBitfields:
      if (l.bitCount == 16 || l.bitCount == 32) return {};
      return "the bitmap's colour masks do not fit its " + depth + " bits per pixel";
    case kJpeg: return "the bitmap holds a JPEG image, which cannot be read here";
    case kPng: return "the bitmap holds a PNG image, which cannot be read here";
    default: return "the bitmap's compression " + std::to_string(l.compression) + " is not supported";
  }
}

std::vector<Colour> ReadColourTable(std::span<const std::uint8_t> bytes, std::uint64_t entrySize) {
  if (entrySize == 4) return ColoursFromRgbQuads(bytes);
  std::vector<Colour> table;
  for (std::size_t i = 0; i + 2 < bytes.size(); i += 3) table.push_back(Rgb(bytes[i + 2], bytes[i + 1], bytes[i]));
  return table;
}

Colour TableColour(const std::vector<Colour>& table, int index) {
  return static_cast<std::size_t>(index) < table.size() ? table[index] : 0;  // past the table: black
}

void DecodeRows(std::span<const std::uint8_t> bits, const Layout& l, const std::vector<Colour>& table,
                RgbaImage& img) {
  const auto width = static_cast<std::size_t>(l.width);
  const std::size_t stride = ((width * l.bitCount + 31) / 32) * 4;
  std::array<Channel, 4> channels{};
  if (l.bitCount == 16 || l.bitCount == 32) {
    std::array<std::uint32_t, 4> masks = l.bitCount == 16 ? std::array<std::uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                                          : std::array<std::uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0};
    if (l.masksGiven) masks = l.masks;
    for (int i = 0; i < 4; ++i) channels[i] = *Channel::From(masks[i]);  // checked by the caller
  }
  bool anyAlpha = false;
  std::vector<std::uint8_t> expanded;
  for (std::size_t row = 0; row < static_cast<std::size_t>(l.height); ++row) {
    const std::uint8_t* src = bits.data() + row * stride;
    const std::size_t y = l.topDown ? row : static_cast<std::size_t>(l.height) - 1 - row;
    std::uint32_t* dst = img.pixels.data() + y * width;
    switch (l.bitCount) {
      case 1:
      case 4:
      case 8:
        expanded.clear();
        ExpandPalettedBits({src, stride}, l.bitCount, table, expanded);
        for (std::size_t x = 0; x < width; ++x)
          dst[x] = WithAlpha(Rgb(expanded[3 * x + 2], expanded[3 * x + 1], expanded[3 * x]), 255);
        break;
      case 24:
        for (std::size_t x = 0; x < width; ++x) dst[x] = WithAlpha(Rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]), 255);
        break;
      default: {
        const std::size_t n = static_cast<std::size_t>(l.bitCount) / 8;
        for (std::size_t x = 0; x < width; ++x) {
          const std::uint8_t* p = src + n * x;
          const std::uint32_t v = n == 2 ? std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8
                                         : std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                                               std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
          const int alpha = channels[3].bits ? channels[3].Value(v) : 255;
          anyAlpha = anyAlpha || alpha != 0;
          dst[x] = WithAlpha(Rgb(channels[0].Value(v), channels[1].Value(v), channels[2].Value(v)), alpha);
        }
      }
    }
  }
  // Writers that fill an alpha mask's bits with nothing mean an opaque picture.
  if (channels[3].bits && !anyAlpha)
    for (std::uint32_t& p : img.pixels) p = WithAlpha(ColourOf(p), 255);
}

// RLE8 and RLE4: runs of one index (two alternating ones at 4 bits), literal
// runs padded to 16 bits, and escapes for end of line, end of picture and a
// jump ahead. Pixels past a row's end are dropped; work stays bounded by the
// picture and the data, whatever the counts say.
Outcome<void> DecodeRle(std::span<const std::uint8_t> data, const Layout& l, const std::vector<Colour>& table,
                        RgbaImage& img) {
  const bool rle8 = l.compression == kRle8;
  const std::int64_t width = l.width, height = l.height;
  std::int64_t x = 0, y = 0;  // y counts rows from the bottom
  std::size_t i = 0;
  auto put = [&](int count, auto indexAt) {
    const std::int64_t n = std::min<std::int64_t>(count, std::max<std::int64_t>(0, width - x));
    if (y < height) {
      std::uint32_t* row = img.pixels.data() + static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width);
      for (std::int64_t k = 0; k < n; ++k) row[x + k] = WithAlpha(TableColour(table, indexAt(static_cast<int>(k))), 255);
    }
    x += count;
  };
  while (y < height) {
    if (!RangeFits(i, 2, data.size())) return Outcome<void>::Failure("the bitmap's compressed pixels are cut short");
    const int count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      put(count, [&](int k) { return rle8 ? value : (k % 2 == 0 ? value >> 4 : value & 0x0F); });
    } else if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of the picture
      break;
    } else if (value == 2) {  // move right and up
      if (!RangeFits(i, 2, data.size())) return Outcome<void>::Failure("the bitmap's compressed pixels are cut short");
      x += data[i];
      y += data[i + 1];
      i += 2;
    } else {  // `value` literal indices, padded to an even number of bytes
      const std::size_t bytes = rle8 ? value : (value + 1) / 2;
      const std::size_t padded = bytes + (bytes & 1);
      if (!RangeFits(i, padded, data.size())) return Outcome<void>::Failure("the bitmap's compressed pixels are cut short");
      const std::uint8_t* literal = data.data() + i;
      put(value, [&](int k) { return rle8 ? literal[k] : (k % 2 == 0 ? literal[k / 2] >> 4 : literal[k / 2] & 0x0F); });
      i += padded;
    }
  }
  return {};
}

}  // namespace

bool HasBitmapSignature(std::span<const std::uint8_t> data) {
  return data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
}

Outcome<RgbaImage> DecodeBitmapFile(std::span<const std::uint8_t> file, const ImageLimits& limits) {
  if (!HasBitmapSignature(file)) return Result::Failure("it is not a BMP picture");
  ByteReader r(file);
  BitmapFileHeader fh;
  fh.bfType = r.U16();
  fh.bfSize = r.U32();  // often wrong in files that are otherwise good: not used
  fh.bfReserved1 = r.U16();
  fh.bfReserved2 = r.U16();
  fh.bfOffBits = r.U32();
  const std::uint32_t headerSize = r.U32();
  if (!r.Ok()) return Result::Failure("the bitmap header is cut short");
  if (!KnownHeaderSize(headerSize))
    return Result::Failure("the bitmap header's size of " + std::to_string(headerSize) + " bytes is not a known one");
  auto layout = ReadLayout(file, headerSize);
  if (!layout) return Result::Failure(layout.Reason());
  const Layout& l = *layout;

  if (l.width < 1 || l.height < 1) return Result::Failure("the bitmap has an unusable size of " + SizeText(l.width, l.height));
  if (l.width > limits.maxSide || l.height > limits.maxSide)
    return Result::Failure("the bitmap is " + SizeText(l.width, l.height) + " pixels, larger than " +
                           SizeText(limits.maxSide, limits.maxSide));
  const std::uint64_t decodedBytes = std::uint64_t{4} * static_cast<std::uint64_t>(l.width) * static_cast<std::uint64_t>(l.height);
  if (decodedBytes > limits.maxDecodedBytes)
    return Result::Failure("the bitmap would take " + std::to_string(decodedBytes) + " bytes to decode, more than " +
                           std::to_string(limits.maxDecodedBytes));
  if (std::string problem = CompressionProblem(l); !problem.empty()) return Result::Failure(problem);
  if (l.masksGiven)
    for (std::uint32_t mask : l.masks)
      if (!Channel::From(mask)) return Result::Failure("the bitmap's colour masks are not runs of bits");

  const std::uint64_t tableBytes = l.tableCount * l.tableEntrySize;
  if (!RangeFits(l.tableOffset, tableBytes, file.size())) return Result::Failure("the bitmap's colour table is cut short");
  const std::vector<Colour> table =
      ReadColourTable(file.subspan(static_cast<std::size_t>(l.tableOffset), static_cast<std::size_t>(tableBytes)),
                      l.tableEntrySize);
  if (fh.bfOffBits < l.tableOffset || fh.bfOffBits > file.size())
    return Result::Failure("the bitmap's pixel data offset of " + std::to_string(fh.bfOffBits) +
                           " lies outside the file or inside its header");
  const auto pixels = file.subspan(fh.bfOffBits);

  RgbaImage img;
  img.width = static_cast<int>(l.width);
  img.height = static_cast<int>(l.height);
  if (l.compression == kRle8 || l.compression == kRle4) {
    img.pixels.assign(static_cast<std::size_t>(l.width * l.height), 0);  // what the data skips stays transparent
    if (auto rle = DecodeRle(pixels, l, table, img); !rle) return Result::Failure(rle.Reason());
    return img;
  }
  const std::uint64_t stride = ((static_cast<std::uint64_t>(l.width) * l.bitCount + 31) / 32) * 4;
  if (!RangeFits(0, stride * static_cast<std::uint64_t>(l.height), pixels.size()))
    return Result::Failure("the bitmap's pixel data is cut short");
  img.pixels.resize(static_cast<std::size_t>(l.width * l.height));
  DecodeRows(pixels, l, table, img);
  return img;
}

}  // namespace gs
