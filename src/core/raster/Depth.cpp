#include "raster/Depth.h"

namespace gs {
namespace {

constexpr std::array<Colour, 16> kStandard16 = {
    Rgb(0x00, 0x00, 0x00), Rgb(0x80, 0x00, 0x00), Rgb(0x00, 0x80, 0x00), Rgb(0x80, 0x80, 0x00),
    Rgb(0x00, 0x00, 0x80), Rgb(0x80, 0x00, 0x80), Rgb(0x00, 0x80, 0x80), Rgb(0x80, 0x80, 0x80),
    Rgb(0xC0, 0xC0, 0xC0), Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0xFF, 0x00),
    Rgb(0x00, 0x00, 0xFF), Rgb(0xFF, 0x00, 0xFF), Rgb(0x00, 0xFF, 0xFF), Rgb(0xFF, 0xFF, 0xFF)};

// The twenty static colours of the default palette.
constexpr std::array<Colour, 20> kStatic20 = {
    Rgb(0x00, 0x00, 0x00), Rgb(0x80, 0x00, 0x00), Rgb(0x00, 0x80, 0x00), Rgb(0x80, 0x80, 0x00),
    Rgb(0x00, 0x00, 0x80), Rgb(0x80, 0x00, 0x80), Rgb(0x00, 0x80, 0x80), Rgb(0xC0, 0xC0, 0xC0),
    Rgb(0xC0, 0xDC, 0xC0), Rgb(0xA6, 0xCA, 0xF0), Rgb(0xFF, 0xFB, 0xF0), Rgb(0xA0, 0xA0, 0xA4),
    Rgb(0x80, 0x80, 0x80), Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0xFF, 0x00),
    Rgb(0x00, 0x00, 0xFF), Rgb(0xFF, 0x00, 0xFF), Rgb(0x00, 0xFF, 0xFF), Rgb(0xFF, 0xFF, 0xFF)};

std::array<Colour, 256> Build256() {
  std::array<Colour, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = Rgb((i & 7) * 32, ((i >> 3) & 7) * 32, (i >> 6) * 64);
  for (int i = 0; i < 10; ++i) t[i] = kStatic20[i];
  for (int i = 0; i < 10; ++i) t[246 + i] = kStatic20[10 + i];
  return t;
}

template <size_t N>
int Nearest(const std::array<Colour, N>& table, int r, int g, int b) {
  int best = 0;
  long bestDistance = -1;
  for (size_t i = 0; i < N; ++i) {
    const long dr = r - RedOf(table[i]), dg = g - GreenOf(table[i]), db = b - BlueOf(table[i]);
    const long d = dr * dr + dg * dg + db * db;
    if (d == 0) return static_cast<int>(i);
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace

const std::array<Colour, 2>& MonoColourTable() {
  static const std::array<Colour, 2> table = {0x000000, 0xFFFFFF};
  return table;
}
const std::array<Colour, 256>& StandardColourTable256() {
  static const std::array<Colour, 256> table = Build256();
  return table;
}

std::vector<Colour> DefaultColourTable(int bitCount) {
  switch (bitCount) {
    case 1: return {MonoColourTable().begin(), MonoColourTable().end()};
    case 4: return {kStandard16.begin(), kStandard16.end()};
    case 8: return {StandardColourTable256().begin(), StandardColourTable256().end()};
    default: return {};
  }
}

int NearestStandardIndex(int bitCount, Colour c) {
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  switch (bitCount) {
    case 1: return r + g + b >= 383 ? 1 : 0;
    case 4: return Nearest(kStandard16, r, g, b);
    case 8: {
      // Eight bits first move each channel to the middle of its 5-bit bucket;
      // each bucket's answer is worked out once, on first use.
      static std::array<std::int16_t, 32 * 32 * 32> cache = [] {
        std::array<std::int16_t, 32 * 32 * 32> c{};
        c.fill(-1);
        return c;
      }();
      std::int16_t& slot = cache[((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)];
      if (slot < 0) slot = static_cast<std::int16_t>(Nearest(StandardColourTable256(), (r & 0xF8) | 4, (g & 0xF8) | 4, (b & 0xF8) | 4));
      return slot;
    }
    default: return 0;
  }
}

DibBits GetBitsAtDepth(const Surface& s, int bitCount, bool topDown) {
  DibBits dib;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return dib;
  dib.width = s.Width();
  dib.height = s.Height();
  dib.bitCount = bitCount;
  dib.topDown = topDown;
  dib.table = DefaultColourTable(bitCount);
  const int stride = dib.Stride();
  dib.bits.assign(static_cast<size_t>(stride) * dib.height, 0);
  for (int y = 0; y < dib.height; ++y) {
    const Colour* src = s.Row(topDown ? y : dib.height - 1 - y);
    std::uint8_t* row = dib.bits.data() + static_cast<size_t>(stride) * y;
    for (int x = 0; x < dib.width; ++x) {
      const Colour c = src[x];
      if (bitCount == 24) {
        row[x * 3] = static_cast<std::uint8_t>(BlueOf(c));
        row[x * 3 + 1] = static_cast<std::uint8_t>(GreenOf(c));
        row[x * 3 + 2] = static_cast<std::uint8_t>(RedOf(c));
        continue;
      }
      const int index = NearestStandardIndex(bitCount, c);
      if (bitCount == 8) {
        row[x] = static_cast<std::uint8_t>(index);
      } else if (bitCount == 4) {
        row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
      } else {
        row[x / 8] |= static_cast<std::uint8_t>(index << (7 - x % 8));
      }
    }
  }
  return dib;
}

Surface ExpandDib(const DibBits& dib) {
  Surface out(dib.width, dib.height);
  const int stride = dib.Stride();
  for (int y = 0; y < dib.height; ++y) {
    const size_t rowStart = static_cast<size_t>(stride) * y;
    Colour* dst = out.Row(dib.topDown ? y : dib.height - 1 - y);
    for (int x = 0; x < dib.width; ++x) {
      auto byteAt = [&](size_t i) -> int { return rowStart + i < dib.bits.size() ? dib.bits[rowStart + i] : -1; };
      auto lookup = [&](int index) { return index >= 0 && index < static_cast<int>(dib.table.size()) ? dib.table[index] : 0; };
      switch (dib.bitCount) {
        case 24: {
          const int b = byteAt(x * 3), g = byteAt(x * 3 + 1), r = byteAt(x * 3 + 2);
          if (r >= 0) dst[x] = Rgb(r, g, b);
          break;
        }
        case 8: {
          const int v = byteAt(x);
          if (v >= 0) dst[x] = lookup(v);
          break;
        }
        case 4: {
          const int v = byteAt(x / 2);
          if (v >= 0) dst[x] = lookup(x % 2 == 0 ? v >> 4 : v & 15);
          break;
        }
        case 1: {
          const int v = byteAt(x / 8);
          if (v >= 0) dst[x] = lookup((v >> (7 - x % 8)) & 1);
          break;
        }
        default: break;
      }
    }
  }
  return out;
}

std::vector<std::uint8_t> TableToRgbQuads(const std::vector<Colour>& table) {
  std::vector<std::uint8_t> out;
  out.reserve(table.size() * 4);
  for (Colour c : table) {
    out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
    out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
    out.push_back(static_cast<std::uint8_t>(RedOf(c)));
    out.push_back(0);
  }
  return out;
}

}  // namespace gs
