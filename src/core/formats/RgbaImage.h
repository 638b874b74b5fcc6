#pragma once
// A picture with an alpha channel, as icon entries of any size and depth decode
// to before they become the editor's 32 × 32 image. Each pixel is a colour value
// 0x00BBGGRR (red in the low byte, as everywhere in the core) with the alpha in
// the top byte: 0 fully transparent, 255 opaque. Rows run top first.
//
// Qt's QRgb is 0xAARRGGBB: converting swaps red and blue and keeps alpha.

#include <cstdint>
#include <vector>

#include "raster/Colour.h"

namespace gs {

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width × height, top row first

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// What a decoder may be asked to produce: a side of at most maxSide pixels and
// at most maxDecodedBytes of 4-byte pixels, each checked before anything is
// allocated, so that a small hostile file cannot take the memory.
struct ImageLimits {
  std::uint32_t maxSide = 0;
  std::uint64_t maxDecodedBytes = 0;
};

constexpr std::uint32_t WithAlpha(Colour c, int alpha) {
  return (c & 0xFFFFFFu) | (static_cast<std::uint32_t>(alpha & 0xFF) << 24);
}
constexpr int AlphaOf(std::uint32_t rgba) { return static_cast<int>(rgba >> 24); }
constexpr Colour ColourOf(std::uint32_t rgba) { return rgba & 0xFFFFFFu; }

}  // namespace gs
