#include <gtest/gtest.h>

#include "raster/Blit.h"

namespace gs {
namespace {

struct NamedRop {
  std::uint32_t code;
  std::uint32_t (*expected)(std::uint32_t p, std::uint32_t s, std::uint32_t d);
};

class RopRuleTest : public ::testing::TestWithParam<NamedRop> {};

TEST_P(RopRuleTest, MatchesTheNamedOperationOnEveryBitPattern) {
  const NamedRop rop = GetParam();
  const std::uint32_t values[] = {0x000000, 0xFFFFFF, 0x0F0F0F, 0x123456, 0xA5C3E1, 0x800001};
  for (std::uint32_t p : values)
    for (std::uint32_t s : values)
      for (std::uint32_t d : values)
        EXPECT_EQ(ApplyRop3(rop.code, p, s, d) & 0xFFFFFF, rop.expected(p, s, d) & 0xFFFFFF)
            << std::hex << rop.code << " p=" << p << " s=" << s << " d=" << d;
}

INSTANTIATE_TEST_SUITE_P(
    NamedCodes, RopRuleTest,
    ::testing::Values(NamedRop{rop::kSrcCopy, [](auto, auto s, auto) { return s; }},
                      NamedRop{rop::kSrcAnd, [](auto, auto s, auto d) { return s & d; }},
                      NamedRop{rop::kSrcPaint, [](auto, auto s, auto d) { return s | d; }},
                      NamedRop{rop::kSrcInvert, [](auto, auto s, auto d) { return s ^ d; }},
                      NamedRop{rop::kNotSrcCopy, [](auto, auto s, auto) { return ~s; }},
                      NamedRop{rop::kDstInvert, [](auto, auto, auto d) { return ~d; }},
                      NamedRop{rop::kPatCopy, [](auto p, auto, auto) { return p; }},
                      NamedRop{rop::kPatInvert, [](auto p, auto, auto d) { return p ^ d; }},
                      NamedRop{rop::kPatAndDst, [](auto p, auto, auto d) { return p & d; }},
                      NamedRop{rop::kPatOrDst, [](auto p, auto, auto d) { return p | d; }},
                      NamedRop{rop::kBlackness, [](auto, auto, auto) { return 0u; }},
                      NamedRop{rop::kWhiteness, [](auto, auto, auto) { return 0xFFFFFFu; }}));

TEST(RopRule, KnowsWhichOperandsACodeReads) {
  EXPECT_TRUE(RopUsesSource(rop::kSrcCopy));
  EXPECT_FALSE(RopUsesSource(rop::kDstInvert));
  EXPECT_FALSE(RopUsesSource(rop::kPatAndDst));
  EXPECT_TRUE(RopUsesPattern(rop::kPatOrDst));
  EXPECT_FALSE(RopUsesPattern(rop::kSrcPaint));
}

Surface Numbered(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.SetPixel(x, y, Rgb(x + 1, y + 1, 7));
  return s;
}

// A block hanging over each edge of the destination writes only its inside part.
TEST(BitBlt, ClipsAtEveryEdgeOfTheDestination) {
  const Surface src = Numbered(4, 4);
  struct Case { int x, y; } cases[] = {{-2, 1}, {3, 1}, {1, -2}, {1, 3}, {-3, -3}, {4, 4}};
  for (const auto& c : cases) {
    Surface dst(5, 5, 0x111111);
    BitBlt(dst, c.x, c.y, 4, 4, &src, 0, 0, rop::kSrcCopy);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) {
        const bool inside = x >= c.x && x < c.x + 4 && y >= c.y && y < c.y + 4;
        EXPECT_EQ(dst.GetPixel(x, y), inside ? src.GetPixel(x - c.x, y - c.y) : 0x111111u)
            << "block at " << c.x << "," << c.y << " pixel " << x << "," << y;
      }
  }
}

TEST(BitBlt, ClipsAtTheSourceEdgeAndLeavesTheRestAlone) {
  const Surface src = Numbered(4, 4);
  Surface dst(6, 6, 0x111111);
  BitBlt(dst, 0, 0, 6, 6, &src, 2, -1, rop::kSrcCopy);
  EXPECT_EQ(dst.GetPixel(0, 0), 0x111111u);          // source row −1 does not exist
  EXPECT_EQ(dst.GetPixel(0, 1), src.GetPixel(2, 0));
  EXPECT_EQ(dst.GetPixel(1, 4), src.GetPixel(3, 3));
  EXPECT_EQ(dst.GetPixel(2, 1), 0x111111u);          // source column 4 does not exist
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
  Surface s = Numbered(5, 1);
  const Surface before = s;
  BitBlt(s, 1, 0, 4, 1, &s, 0, 0, rop::kSrcCopy);
  for (int x = 1; x < 5; ++x) EXPECT_EQ(s.GetPixel(x, 0), before.GetPixel(x - 1, 0));
}

// Rows alternating 0x55 and 0xAA: row 0 has its 1 bits at odd x, row 1 at even x.
TEST(PatternBrush, CheckerboardFollowsTheBrushOrigin) {
  const std::array<std::uint8_t, 8> checker = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const Brush atZero = Brush::Pattern(checker, 0x0000FF, 0x00FF00);
  EXPECT_EQ(atZero.At(0, 0), 0x0000FFu);  // bit 0: text colour
  EXPECT_EQ(atZero.At(1, 0), 0x00FF00u);  // bit 1: background colour
  EXPECT_EQ(atZero.At(0, 1), 0x00FF00u);
  EXPECT_EQ(atZero.At(-1, 0), 0x00FF00u);
  const Brush shifted = Brush::Pattern(checker, 0x0000FF, 0x00FF00, {3, 0});
  EXPECT_EQ(shifted.At(3, 0), 0x0000FFu);
  EXPECT_EQ(shifted.At(4, 0), 0x00FF00u);

  Surface s(4, 2, 0xFFFFFF);
  PatBlt(s, 0, 0, 4, 2, Brush::Pattern(checker, 0x000000, 0xFFFFFF), rop::kPatAndDst);
  EXPECT_EQ(s.GetPixel(0, 0), 0u);
  EXPECT_EQ(s.GetPixel(1, 0), 0xFFFFFFu);
  EXPECT_EQ(s.GetPixel(1, 1), 0u);
}

TEST(MonoConversion, ColourToMonoMarksTheBackgroundColourWhite) {
  Surface s(3, 1);
  s.SetPixel(0, 0, 0xE0E0E0);
  s.SetPixel(1, 0, 0xE0E0E1);
  s.SetPixel(2, 0, 0x000000);
  const Surface mono = ColourToMono(s, {0, 0, 3, 1}, 0xE0E0E0);
  EXPECT_EQ(mono.GetPixel(0, 0), kMonoWhite);
  EXPECT_EQ(mono.GetPixel(1, 0), kMonoBlack);
  EXPECT_EQ(mono.GetPixel(2, 0), kMonoBlack);
  const Surface back = MonoToColour(mono, 0x0000FF, 0x00FF00);
  EXPECT_EQ(back.GetPixel(0, 0), 0x00FF00u);  // 1 bits: background colour
  EXPECT_EQ(back.GetPixel(1, 0), 0x0000FFu);  // 0 bits: text colour
}

TEST(FillRect, HollowBrushPaintsNothingAndSolidClips) {
  Surface s(3, 3, 0x123456);
  FillRect(s, {0, 0, 3, 3}, Brush::Hollow());
  EXPECT_EQ(s, Surface(3, 3, 0x123456));
  FillRect(s, {-5, 2, 9, 9}, Brush::Solid(0xABCDEF));
  EXPECT_EQ(s.GetPixel(0, 1), 0x123456u);
  EXPECT_EQ(s.GetPixel(2, 2), 0xABCDEFu);
}

}  // namespace
}  // namespace gs
