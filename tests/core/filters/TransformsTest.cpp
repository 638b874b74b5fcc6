#include <gtest/gtest.h>

#include <functional>

#include "filters/Resample.h"
#include "filters/Transforms.h"
#include "support/FilterTestSupport.h"

namespace gs {
namespace {

using namespace test;

// Each entry sends every pixel (x, y) to to(x, y), over the whole image even
// with a selection; four times (twice for a flip) gives the start back.
TEST(QuarterTransforms, MoveEveryPixelOfTheWholeImageAndRepeatBackToTheStart) {
  const struct { const char* name; std::function<void(Document&)> command; Point (*to)(int, int); } cases[] = {
      {"UpsideDown", [](Document& d) { FlipCommand(d, Mirror::UpsideDown); }, [](int x, int y) { return Point{x, 31 - y}; }},
      {"LeftRight", [](Document& d) { FlipCommand(d, Mirror::LeftRight); }, [](int x, int y) { return Point{31 - x, y}; }},
      {"Clockwise", [](Document& d) { RotateCommand(d, QuarterTurn::Clockwise); },
       [](int x, int y) { return Point{31 - y, x}; }},
      {"Anticlockwise", [](Document& d) { RotateCommand(d, QuarterTurn::Counterclockwise); },
       [](int x, int y) { return Point{y, 31 - x}; }},
      {"HalfTurn", [](Document& d) { RotateCommand(d, QuarterTurn::HalfTurn); },
       [](int x, int y) { return Point{31 - x, 31 - y}; }}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Document doc = DocOf(Numbered(), {3, 4, 9, 12});
    c.command(doc);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_EQ(doc.WorkingImage.GetPixel(c.to(x, y).x, c.to(x, y).y), NumberedColour(x, y)) << x << "," << y;
    for (int i = 0; i < 3; ++i) c.command(doc);
    EXPECT_EQ(doc.WorkingImage, Numbered());
  }
}

// Mapping forward about pixel (16, 16) puts the quarter turn two columns
// further right; the second writes fill the gap.
TEST(RotateByAngle, NinetyDegreesShiftsTheQuarterTurnByTheSecondWrites) {
  const Colour fill = Rgb(1, 2, 3);
  Surface quarter = Numbered(), rotated = Numbered();
  RotateByQuarters(quarter, QuarterTurn::Clockwise);
  RotateByAngle(rotated, 90, fill);
  for (int y = 0; y < 32; ++y) {
    for (int x = 2; x < 32; ++x) ASSERT_EQ(rotated.GetPixel(x, y), quarter.GetPixel(x - 2, y)) << x << "," << y;
    EXPECT_EQ(rotated.GetPixel(1, y), rotated.GetPixel(2, y)) << y;
    // Column 0 holds the second writes of row y − 1's last pixel: source (y − 1, 1).
    EXPECT_EQ(rotated.GetPixel(0, y), y == 0 ? fill : NumberedColour(y - 1, 1)) << y;
  }
}

// The corners a 45° turn uncovers take the back colour, opaque whatever the transparent colour.
TEST(RotateByAngle, TheDialogsAngleFillsUncoveredCornersWithTheBackColour) {
  const Colour green = Rgb(0, 200, 0), blue = Rgb(0, 0, 255);
  Document doc = DocOf(Surface(32, 32, green));
  Angle(doc, 45, blue);
  for (Point p : {Point{0, 0}, Point{31, 0}, Point{0, 31}, Point{31, 31}, Point{16, 16}})
    EXPECT_EQ(doc.WorkingImage.GetPixel(p.x, p.y), p.x == 16 ? green : blue) << p.x << "," << p.y;
}

// Halving averages each 2 × 2 block: 4·(2i + 0.5) = 8i + 2. The largest typed
// size stretches and clips without hanging.
TEST(Resample, HalfSizeInTheMiddleAveragesAndLeavesTheRestTransparent) {
  Document doc;
  Surface expected(32, 32, kT);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      doc.WorkingImage.SetPixel(x, y, Rgb(4 * x, 4 * y, 100));
      if (x < 16 && y < 16) expected.SetPixel(x + 8, y + 8, Rgb(8 * x + 2, 8 * y + 2, 100));
    }
  EXPECT_EQ(ReDrawResample(doc, {32767, 32767, 0, 0}), Surface(32, 32, Rgb(0, 0, 100)));
  ApplyResample(doc, {16, 16, 8, 8});
  EXPECT_EQ(doc.WorkingImage, expected);
}

// A negative width mirrors; the selection's old place turns transparent.
TEST(Resample, ASelectionIsMovedMirroredAndScaled) {
  Document doc = DocOf(Numbered(), {4, 6, 8, 10});
  EXPECT_EQ(InitialResampleFields(doc), (ResampleFields{4, 4, 4, 6}));
  ApplyResample(doc, {-8, 4, 27, 20});  // twice as wide: each pixel doubled
  Surface expected = Numbered();
  expected.FillRect({4, 6, 8, 10}, kT);
  for (int y = 20; y < 24; ++y)
    for (int x = 20; x < 28; ++x) expected.SetPixel(x, y, NumberedColour(4 + (27 - x) / 2, 6 + (y - 20)));
  EXPECT_EQ(doc.WorkingImage, expected);
}

}  // namespace
}  // namespace gs
