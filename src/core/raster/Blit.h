#pragma once
// Block copies through ternary raster operations, brushes (solid and 8 × 8
// monochrome patterns) and the colour/monochrome conversions of the platform's
// graphics interface that the editor's compositing relies on.

#include <array>
#include <cstdint>

#include "raster/Surface.h"

namespace gs {

// Ternary raster operation codes: bits 16..23 are the truth table over
// pattern (P), source (S) and destination (D).
namespace rop {
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kSrcAnd = 0x008800C6;
inline constexpr std::uint32_t kSrcPaint = 0x00EE0086;
inline constexpr std::uint32_t kDstInvert = 0x00550009;
inline constexpr std::uint32_t kPatCopy = 0x00F00021;
inline constexpr std::uint32_t kPatAndDst = 0x00A000C9;  // PDa
inline constexpr std::uint32_t kPatOrDst = 0x00FA0089;   // DPo
}  // namespace rop

// Result bit = bit (P·4 + S·2 + D) of the operation index, for every bit of
// the three values at once. One rule for every code.
constexpr std::uint32_t ApplyRop3(std::uint32_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  const std::uint32_t index = (code >> 16) & 0xFF;
  std::uint32_t result = 0;
  for (int k = 0; k < 8; ++k) {
    if (!((index >> k) & 1)) continue;
    const std::uint32_t pm = (k & 4) ? p : ~p;
    const std::uint32_t sm = (k & 2) ? s : ~s;
    const std::uint32_t dm = (k & 1) ? d : ~d;
    result |= pm & sm & dm;
  }
  return result;
}

constexpr bool RopUsesSource(std::uint32_t code) {
  const std::uint32_t index = (code >> 16) & 0xFF;
  return ((index >> 2) & 0x33) != (index & 0x33);
}
constexpr bool RopUsesPattern(std::uint32_t code) {
  const std::uint32_t index = (code >> 16) & 0xFF;
  return ((index >> 4) & 0x0F) != (index & 0x0F);
}

// A brush: solid, hollow (paints nothing), or an 8 × 8 monochrome pattern whose
// 0 bits take the text colour and 1 bits the background colour, aligned so that
// surface pixel (x, y) uses pattern bit [y mod 8][x mod 8].
struct Brush {
  enum class Kind { Solid, Hollow, Pattern };
  Kind kind = Kind::Solid;
  Colour colour = 0;
  std::array<std::uint8_t, 8> rows{};  // bit 7 is the leftmost pixel
  Colour text = 0;
  Colour background = 0xFFFFFF;

  static Brush Solid(Colour c) { return Brush{Kind::Solid, c & 0xFFFFFF}; }
  static Brush Hollow() { return Brush{Kind::Hollow}; }
  static Brush Pattern(const std::array<std::uint8_t, 8>& rows, Colour text, Colour background) {
    Brush b{Kind::Pattern};
    b.rows = rows;
    b.text = text & 0xFFFFFF;
    b.background = background & 0xFFFFFF;
    return b;
  }

  bool IsHollow() const { return kind == Kind::Hollow; }
  Colour At(int x, int y) const {
    if (kind != Kind::Pattern) return colour;
    const int py = (y % 8 + 8) % 8;
    const int px = (x % 8 + 8) % 8;
    return ((rows[py] >> (7 - px)) & 1) ? background : text;
  }
};

// Copies the w × h block of `src` at (sx, sy) onto `dst` at (x, y) through the
// raster operation. Pixels whose destination or (when the operation reads it)
// source lies outside its surface are left alone. `brush` is the pattern P;
// without one P is black. `src` may be the same surface as `dst`.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface* src, int sx, int sy,
            std::uint32_t code, const Brush* brush = nullptr);

// PatBlt: the same with no source.
inline void PatBlt(Surface& dst, int x, int y, int w, int h, const Brush& brush, std::uint32_t code) {
  BitBlt(dst, x, y, w, h, nullptr, 0, 0, code, &brush);
}

// Fills r with the brush (FillRect); a hollow brush paints nothing.
void FillRect(Surface& dst, const Rect& r, const Brush& brush);

// Monochrome bitmaps are surfaces that hold only black (bit 0) and white (bit 1).
inline constexpr Colour kMonoBlack = 0x000000;
inline constexpr Colour kMonoWhite = 0xFFFFFF;

// Colour → monochrome: a pixel equal to the source's background colour becomes
// white (1), every other pixel black (0). `block` is read from `src`; pixels
// of the block outside `src` come out black.
Surface ColourToMono(const Surface& src, const Rect& block, Colour sourceBackground);

// Monochrome → colour: 0 bits become the text colour, 1 bits the background.
Surface MonoToColour(const Surface& mono, Colour text, Colour background);

}  // namespace gs
