#include <cmath>

#include "ToolTestSupport.h"

namespace gs::testing {
namespace {

// Feeds the spray a fixed sequence over and over and counts what it takes.
struct ScriptedRandom {
  std::vector<double> values;
  std::shared_ptr<int> taken = std::make_shared<int>(0);
  RandomSource Source() const {
    return [values = values, taken = taken] { return values[(*taken)++ % values.size()]; };
  }
};

class SpraySizes : public ToolTest, public ::testing::WithParamInterface<int> {};

TEST_P(SpraySizes, BurstHasItsPointCountWithinItsDisc) {
  const int size = GetParam();
  const int radius = 4 + 8 * size / 2;  // 4, 8, 12
  ScriptedRandom random{{0.0, 0.1, 0.31, 0.5, 0.77, 0.999, 0.5, 0.25, 0.13, 0.999}};
  state.Tools.SpraySize = static_cast<std::uint8_t>(size);
  SprayBurst(image(), {16, 16}, size, kRed, random.Source());
  EXPECT_EQ(*random.taken, 2 * SprayPointCount(size));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (image().GetPixel(x, y) == kRed) {
        EXPECT_LE(std::hypot(x - 16, y - 16), radius + 0.5) << x << "," << y;
      }
}

TEST_P(SpraySizes, FarthestPointsReachTheRim) {
  const int size = GetParam();
  const int radius = (8 * size + 9) / 2;
  // Angle 0 and a quarter turn, each at the largest distance.
  for (auto [r1, dx, dy] : {std::tuple{0.0, 1, 0}, std::tuple{0.25, 0, 1}, std::tuple{0.5, -1, 0}}) {
    image().Fill(transparent());
    SprayBurst(image(), {16, 16}, size, kRed, [r1 = r1, n = 0]() mutable { return n++ % 2 ? 0.9999 : r1; });
    EXPECT_EQ(CountPixels(image(), kRed), 1);
    EXPECT_EQ(image().GetPixel(16 + dx * radius, 16 + dy * radius), kRed) << size << " " << r1;
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SpraySizes, ::testing::Values(0, 1, 2));

TEST(SprayCounts, AreTenTwentyThirtyInDiscsOfNineSeventeenTwentyFive) {
  EXPECT_EQ(SprayPointCount(0), 10);
  EXPECT_EQ(SprayPointCount(2), 30);
  EXPECT_EQ(SprayDiameter(1), 17);
}

TEST(SprayRandom, TwoClockSeededSourcesDiffer) {
  RandomSource a = TimeSeededRandom();
  RandomSource b = TimeSeededRandom();
  bool differ = false;
  for (int i = 0; i < 8; ++i) {
    const double va = a(), vb = b();
    EXPECT_GE(va, 0.0);
    EXPECT_LT(va, 1.0);
    differ = differ || va != vb;
  }
  EXPECT_TRUE(differ);
}

TEST_F(ToolTest, SprayTimerRepeatsBurstsWhereTheSprayWasHeld) {
  ScriptedRandom random{{0.0, 0.0}};  // every point lands on the centre
  tools.SetRandomSource(random.Source());
  Use(ToolSpray);
  Press(5, 5, kRightButton);
  EXPECT_TRUE(tools.SprayTimerRunning());
  EXPECT_EQ(image().GetPixel(5, 5), kBlue);
  Move(9, 7, kRightButton);
  EXPECT_TRUE(tools.SprayTimerRunning());
  // Held still for a second: ten ticks, ten bursts at the last place, in the
  // back colour as it is at each tick.
  state.BackColour = kGreen;
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(tools.SprayTick());
  EXPECT_EQ(*random.taken, 12 * 2 * SprayPointCount(0));
  EXPECT_EQ(image().GetPixel(9, 7), kGreen);
  EXPECT_EQ(image().GetPixel(5, 5), kBlue);
  Release(9, 7, kRightButton);
  EXPECT_FALSE(tools.SprayTimerRunning());
  EXPECT_FALSE(tools.SprayTick());
}

TEST_F(ToolTest, EscapeStopsTheSprayAndItsStroke) {
  tools.SetRandomSource([] { return 0.0; });
  Use(ToolSpray);
  Press(5, 5);
  tools.KeyPress(kCharEscape);
  EXPECT_FALSE(tools.SprayTimerRunning());
  EXPECT_EQ(Move(9, 9), MoveResult::Cancelled);
  EXPECT_EQ(image().GetPixel(9, 9), transparent());
  Release(9, 9);
  // The next press starts afresh.
  Press(12, 12);
  EXPECT_TRUE(tools.SprayTimerRunning());
}

}  // namespace
}  // namespace gs::testing
