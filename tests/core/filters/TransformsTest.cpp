#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "FilterTestSupport.h"
#include "filters/Transforms.h"

namespace gs {
namespace {

using test::Numbered;
using test::NumberedColour;

struct QuarterCase {
  const char* name;
  std::function<void(Document&)> command;
  Point (*moves)(int x, int y);  // where the pixel of (x, y) goes
};

class QuarterTransformTest : public ::testing::TestWithParam<QuarterCase> {};

// Each entry moves every pixel as its caption says, on the whole image even
// with a selection active; four times (twice for a flip) gives the start back.
TEST_P(QuarterTransformTest, MovesEveryPixelOfTheWholeImage) {
  Document doc;
  doc.WorkingImage = Numbered();
  doc.Selection = {3, 4, 9, 12};
  doc.SelectionActive = true;
  GetParam().command(doc);
  for (int y = 0; y < kImageSize; ++y)
    for (int x = 0; x < kImageSize; ++x) {
      const Point to = GetParam().moves(x, y);
      ASSERT_EQ(doc.WorkingImage.GetPixel(to.x, to.y), NumberedColour(x, y)) << x << "," << y;
    }
  for (int i = 0; i < 3; ++i) GetParam().command(doc);
  EXPECT_EQ(doc.WorkingImage, Numbered());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuarterTransformTest,
    ::testing::Values(QuarterCase{"FlipHorizontalEntryTurnsUpsideDown", [](Document& d) { FlipCommand(d, 0); },
                                  [](int x, int y) { return Point{x, 31 - y}; }},
                      QuarterCase{"FlipVerticalEntryMirrorsLeftRight", [](Document& d) { FlipCommand(d, 1); },
                                  [](int x, int y) { return Point{31 - x, y}; }},
                      QuarterCase{"Clockwise", [](Document& d) { RotateCommand(d, 0); },
                                  [](int x, int y) { return Point{31 - y, x}; }},
                      QuarterCase{"Counterclockwise", [](Document& d) { RotateCommand(d, 1); },
                                  [](int x, int y) { return Point{y, 31 - x}; }},
                      QuarterCase{"HalfTurn", [](Document& d) { RotateCommand(d, 2); },
                                  [](int x, int y) { return Point{31 - x, 31 - y}; }}),
    [](const auto& info) { return std::string(info.param.name); });

// The forward mapping about pixel (16, 16) puts the quarter turn one column
// further right and fills the gap from the second writes.
TEST(RotateByAngle, NinetyDegreesShiftsTheQuarterTurnByTheSecondWrites) {
  const Colour fill = Rgb(1, 2, 3);
  Surface quarter = Numbered();
  RotateByQuarters(quarter, 90);
  Surface rotated = Numbered();
  RotateByAngle(rotated, 90, fill);
  for (int y = 0; y < kImageSize; ++y) {
    for (int x = 2; x < kImageSize; ++x)
      ASSERT_EQ(rotated.GetPixel(x, y), quarter.GetPixel(x - 2, y)) << x << "," << y;
    EXPECT_EQ(rotated.GetPixel(1, y), rotated.GetPixel(2, y)) << y;
    // Column 0 holds the second writes of row y − 1's last pixel: source (y − 1, 1).
    EXPECT_EQ(rotated.GetPixel(0, y), y == 0 ? fill : NumberedColour(y - 1, 1)) << y;
  }
}

// The corners a 45° turn uncovers take the back colour, opaque whatever the
// transparent colour; an angle of 0 changes nothing.
TEST(RotateByAngle, TheDialogsAngleFillsUncoveredCornersWithTheBackColour) {
  Document doc;
  const Colour green = Rgb(0, 200, 0), blue = Rgb(0, 0, 255);
  doc.WorkingImage.Fill(green);
  Angle(doc, 0, blue);
  EXPECT_EQ(doc.WorkingImage, Surface(32, 32, green));
  Angle(doc, 45, blue);
  for (Point corner : {Point{0, 0}, Point{31, 0}, Point{0, 31}, Point{31, 31}})
    EXPECT_EQ(doc.WorkingImage.GetPixel(corner.x, corner.y), blue) << corner.x << "," << corner.y;
  EXPECT_EQ(doc.WorkingImage.GetPixel(16, 16), green);
  std::set<Colour> colours(doc.WorkingImage.Pixels().begin(), doc.WorkingImage.Pixels().end());
  EXPECT_EQ(colours, (std::set<Colour>{green, blue}));
}

}  // namespace
}  // namespace gs
