#include "tools/Spray.h"

#include <chrono>
#include <cmath>
#include <memory>
#include <random>

#include "document/ViewGeometry.h"

namespace gs {

RandomSource TimeSeededRandom() {
  const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  auto engine = std::make_shared<std::mt19937_64>(seed);
  return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

void SprayBurst(Surface& s, Point centre, int spraySize, Colour c, const RandomSource& random) {
  const int count = SprayPointCount(spraySize);
  const double diameter = SprayDiameter(spraySize);
  for (int i = 0; i < count; ++i) {
    const double angle = random() * 6.283185308;
    const int distance = RoundHalfEven(random() * diameter / 2);
    s.SetPixel(RoundHalfEven(distance * std::cos(angle) + centre.x),
               RoundHalfEven(distance * std::sin(angle) + centre.y), c);
  }
}

}  // namespace gs
