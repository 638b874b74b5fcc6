#pragma once
// One burst of the spray can: N points scattered in a disc around a centre,
// denser near the middle.

#include <functional>

#include "raster/Surface.h"

namespace gs {

// Uniform numbers in [0, 1); each call gives a fresh one.
using RandomSource = std::function<double()>;

// A source seeded from the clock, so that no two runs spray alike.
RandomSource TimeSeededRandom();

// Points per burst (10, 20, 30) and the disc's diameter D (9, 17, 25) for the
// three spray sizes; the points lie within D / 2 rounded down (4, 8, 12).
constexpr int SprayPointCount(int spraySize) { return spraySize * 10 + 10; }
constexpr int SprayDiameter(int spraySize) { return spraySize * 8 + 9; }

// Sets N pixels around (cx, cy) to c: for each an angle r1·2π and a distance
// round(r2·D/2), r1 and r2 drawn in that order, positions rounded half to even.
void SprayBurst(Surface& s, Point centre, int spraySize, Colour c, const RandomSource& random);

}  // namespace gs
