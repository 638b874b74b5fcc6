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
  // Where the pixel of (x, y) goes.
  std::function<Point(int x, int y)> moves;
};

class QuarterTransformTest : public ::testing::TestWithParam<QuarterCase> {};

// Each command moves every pixel where its menu entry says, on the whole image
// even with a selection active, and can be undone.
TEST_P(QuarterTransformTest, MovesEveryPixelAndKeepsTheSelection) {
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
  EXPECT_TRUE(doc.SelectionActive);
  EXPECT_EQ(doc.Selection, (Rect{3, 4, 9, 12}));
  EXPECT_FALSE(doc.Modified);
  ASSERT_TRUE(doc.RestoreBackup());
  EXPECT_EQ(doc.WorkingImage, Numbered());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, QuarterTransformTest,
    ::testing::Values(
        QuarterCase{"FlipHorizontalEntryTurnsUpsideDown", [](Document& d) { FlipCommand(d, 0); },
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

TEST(QuarterTransforms, RepeatingGivesTheStartBack) {
  Surface image = Numbered();
  for (int i = 0; i < 4; ++i) RotateByQuarters(image, 90);
  EXPECT_EQ(image, Numbered());
  for (int i = 0; i < 4; ++i) RotateByQuarters(image, 270);
  EXPECT_EQ(image, Numbered());
  MirrorUpsideDown(image);
  MirrorUpsideDown(image);
  MirrorLeftRight(image);
  MirrorLeftRight(image);
  EXPECT_EQ(image, Numbered());
  RotateByQuarters(image, 45);
  EXPECT_EQ(image, Numbered());
}

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

// The corners a 45° turn uncovers take the fill colour, opaque whatever the
// transparent colour; the centre stays.
TEST(RotateByAngle, FortyFiveDegreesFillsTheCornersWithTheBackColour) {
  Document doc;
  const Colour green = Rgb(0, 200, 0), blue = Rgb(0, 0, 255);
  doc.WorkingImage.Fill(green);
  Angle(doc, 45, blue);
  for (Point corner : {Point{0, 0}, Point{31, 0}, Point{0, 31}, Point{31, 31}})
    EXPECT_EQ(doc.WorkingImage.GetPixel(corner.x, corner.y), blue) << corner.x << "," << corner.y;
  EXPECT_EQ(doc.WorkingImage.GetPixel(16, 16), green);
  std::set<Colour> colours(doc.WorkingImage.Pixels().begin(), doc.WorkingImage.Pixels().end());
  EXPECT_EQ(colours, (std::set<Colour>{green, blue}));
  EXPECT_TRUE(doc.RestoreBackup());
}

TEST(Angle, ZeroChangesNoPixelButCanBeUndone) {
  Document doc;
  doc.WorkingImage = Numbered();
  Angle(doc, 0, Rgb(9, 9, 9));
  EXPECT_EQ(doc.WorkingImage, Numbered());
  EXPECT_TRUE(doc.UndoAvailable());
  EXPECT_FALSE(doc.Modified);
}

}  // namespace
}  // namespace gs
