#include <gtest/gtest.h>

#include "raster/Blit.h"
#include "support/PixelPicture.h"

namespace gs {
namespace {

using namespace gs::testing;
using U = std::uint32_t;

TEST(RopRule, EveryNamedCodeComesFromTheOneRule) {
  const struct { U code; U (*expected)(U p, U s, U d); } named[] = {
      {rop::kSrcCopy, [](U, U s, U) { return s; }},         {rop::kSrcAnd, [](U, U s, U d) { return s & d; }},
      {rop::kSrcPaint, [](U, U s, U d) { return s | d; }},  {rop::kNotSrcCopy, [](U, U s, U) { return ~s; }},
      {rop::kDstInvert, [](U, U, U d) { return ~d; }},      {rop::kPatCopy, [](U p, U, U) { return p; }},
      {rop::kPatAndDst, [](U p, U, U d) { return p & d; }}, {rop::kPatOrDst, [](U p, U, U d) { return p | d; }}};
  const U values[] = {0x000000, 0xFFFFFF, 0xF0F0F0, 0xCCCCCC, 0xAAAAAA, 0x123456, 0x800001};
  for (const auto& rop : named)
    for (U p : values)
      for (U s : values)
        for (U d : values)
          ASSERT_EQ(ApplyRop3(rop.code, p, s, d) & 0xFFFFFF, rop.expected(p, s, d) & 0xFFFFFF)
              << std::hex << rop.code << " p=" << p << " s=" << s << " d=" << d;
}

// A 4 × 4 block at (x, y) from source (sx, sy) writes only the pixels whose
// destination and source both exist.
TEST(BitBlt, ClipsAtEveryEdgeOfDestinationAndSource) {
  Surface src(4, 4);
  for (int i = 0; i < 16; ++i) src.SetPixel(i % 4, i / 4, Rgb(i % 4 + 1, i / 4 + 1, 7));
  const struct { int x, y, sx, sy; } cases[] = {{-2, 1, 0, 0},  {3, 1, 0, 0}, {1, -2, 0, 0},  {1, 3, 0, 0},
                                                {-3, -3, 0, 0}, {4, 4, 0, 0}, {0, 0, 2, -1}, {1, 0, -1, 3}};
  for (const auto& c : cases) {
    Surface dst(5, 5, 0x111111);
    BitBlt(dst, c.x, c.y, 4, 4, &src, c.sx, c.sy, rop::kSrcCopy);
    for (int i = 0; i < 25; ++i) {
      const int x = i % 5, y = i / 5, u = x - c.x + c.sx, v = y - c.y + c.sy;
      const bool copied = x >= c.x && x < c.x + 4 && y >= c.y && y < c.y + 4 && src.Contains(u, v);
      EXPECT_EQ(dst.GetPixel(x, y), copied ? src.GetPixel(u, v) : 0x111111u)
          << "block at " << c.x << "," << c.y << " from " << c.sx << "," << c.sy << " pixel " << x << "," << y;
    }
  }
}

TEST(BitBlt, OverlappingCopiesReadTheOriginalAndSourcelessCodesNeedNoSource) {
  Surface s(5, 1);
  s.Pixels() = {1, 2, 3, 4, 5};
  BitBlt(s, 1, 0, 4, 1, &s, 0, 0, rop::kSrcCopy);
  EXPECT_EQ(s.Pixels(), (std::vector<Colour>{1, 1, 2, 3, 4}));
  BitBlt(s, 0, 0, 2, 1, nullptr, 0, 0, rop::kDstInvert);
  BitBlt(s, 2, 0, 2, 1, nullptr, 0, 0, rop::kSrcCopy);  // needs a source: ignored
  EXPECT_EQ(s.Pixels(), (std::vector<Colour>{0xFFFFFE, 0xFFFFFE, 2, 3, 4}));
}

// Pattern rows 0x80 and 0x01 and a full last row: 1 bits take the background
// colour, bit 7 is leftmost, and (origin.x, origin.y) uses the pattern's first
// bit. A hollow brush paints nothing; a solid one clips.
TEST(Brushes, PatternsFollowTheOriginAndFillsClip) {
  const std::array<std::uint8_t, 8> rows = {0x80, 0x01, 0, 0, 0, 0, 0, 0xFF};
  Surface s(10, 4, kPaper);
  PatBlt(s, 0, 0, 10, 3, Brush::Pattern(rows, kInk, kFill, {1, 1}), rop::kPatCopy);
  FillRect(s, {0, 0, 10, 10}, Brush::Hollow());
  FillRect(s, {-5, 3, 3, 9}, Brush::Solid(kFill));
  EXPECT_EQ(PictureAt(s, 0, 0, 10, 4), "##########/O#OOOOOOO#/#OOOOOOO#O/###.......");
}

}  // namespace
}  // namespace gs
