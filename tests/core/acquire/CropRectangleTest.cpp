#include <gtest/gtest.h>

#include <cmath>

#include "acquire/CropRectangle.h"

namespace gs {
namespace {

using Corners = std::array<int, 4>;

Corners Fields(const CropRectangle& c) {
  return {c.Corner(CropField::X1), c.Corner(CropField::Y1), c.Corner(CropField::X2), c.Corner(CropField::Y2)};
}

// One mouse event on the picture.
struct MouseStep {
  enum Kind { Press, Move, MoveWithoutLeft, Release } kind;
  double x, y;
};

struct DragCase {
  const char* name;
  std::vector<MouseStep> steps;
  Corners fields;  // as the fields show them afterwards
  Rect arranged;   // what the outline, the preview and Acquire use
};
void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class CropDrag : public ::testing::TestWithParam<DragCase> {};

// On a 100 × 80 picture, starting from the initial 0,0,32,32.
TEST_P(CropDrag, SetsTheCornersAsDraggedAndUsesThemInOrder) {
  CropRectangle crop;
  crop.SetPictureSize(100, 80);
  for (const MouseStep& s : GetParam().steps) {
    switch (s.kind) {
      case MouseStep::Press: crop.Press(s.x, s.y); break;
      case MouseStep::Move: crop.Move(s.x, s.y, true); break;
      case MouseStep::MoveWithoutLeft: crop.Move(s.x, s.y, false); break;
      case MouseStep::Release: crop.Release(s.x, s.y); break;
    }
  }
  EXPECT_EQ(Fields(crop), GetParam().fields);
  EXPECT_EQ(crop.Arranged(), GetParam().arranged);

  // The release writes the four fields back one by one; that changes nothing.
  for (CropField f : {CropField::X1, CropField::Y1, CropField::X2, CropField::Y2}) {
    EXPECT_FALSE(crop.SetFieldText(f, crop.FieldText(f)));
    EXPECT_EQ(crop.Arranged(), GetParam().arranged);
  }
  EXPECT_EQ(Fields(crop), GetParam().fields);
}

using S = MouseStep;
INSTANTIATE_TEST_SUITE_P(
    Drags, CropDrag,
    ::testing::Values(
        // Positions round halves to even: 20.5 → 20, 21.5 → 22.
        DragCase{"DownRight", {{S::Press, 10.4, 20.5}, {S::Move, 40, 40}, {S::Release, 50.6, 21.5}}, {10, 20, 51, 22}, {10, 20, 51, 22}},
        // The fault this guards against: ordering the corners at each field's write-back folded this to nothing.
        DragCase{"UpLeft", {{S::Press, 90, 70}, {S::Move, 50, 50}, {S::Release, 10, 5}}, {90, 70, 10, 5}, {10, 5, 90, 70}},
        DragCase{"UpRight", {{S::Press, 10, 70}, {S::Release, 60, 5}}, {10, 70, 60, 5}, {10, 5, 60, 70}},
        // Past the edges the corner stops at them.
        DragCase{"PressOutside", {{S::Press, 1e12, -7}, {S::Release, 5, 5}}, {100, 0, 5, 5}, {5, 0, 100, 5}},
        // Only the left button drags; any button's release ends it where the pointer is.
        DragCase{"MoveWithoutTheLeftButton", {{S::Press, 40, 40}, {S::MoveWithoutLeft, 60, 60}}, {40, 40, 32, 32}, {32, 32, 40, 40}},
        // A move or release that no press began is not a drag.
        DragCase{"NoPress", {{S::Move, 60, 60}, {S::Release, 70, 70}}, {0, 0, 32, 32}, {0, 0, 32, 32}},
        DragCase{"NotANumber", {{S::Press, std::nan(""), 3}, {S::Release, 4, std::nan("")}}, {0, 3, 4, 0}, {0, 0, 4, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

// A field reads as every number field does (ReadFieldNumber), and shows what it read.
TEST(CropRectangle, FieldsReadTheirLeadingNumber) {
  const std::pair<const char*, int> cases[] = {{"", 0}, {"12abc", 12}, {"3.5", 4}, {"99999999999", 32767}};
  for (const auto& [text, value] : cases) {
    CropRectangle crop;
    crop.SetFieldText(CropField::Y2, text);
    EXPECT_EQ(crop.Corner(CropField::Y2), value) << text;
    EXPECT_EQ(crop.FieldText(CropField::Y2), std::to_string(value)) << text;
  }
}

// Typed corners may lie anywhere; what is used lies inside the picture.
TEST(CropRectangle, ClampsWhatItUsesToThePicture) {
  CropRectangle crop;
  EXPECT_EQ(crop.Arranged(), (Rect{0, 0, 0, 0}));  // no picture: nothing
  crop.SetPictureSize(64, 48);
  EXPECT_EQ(crop.Arranged(), (Rect{0, 0, 32, 32}));
  EXPECT_TRUE(crop.SetFieldText(CropField::X2, "500"));
  EXPECT_TRUE(crop.SetFieldText(CropField::Y1, "600"));
  EXPECT_EQ(Fields(crop), (Corners{0, 600, 500, 32}));
  EXPECT_EQ(crop.Arranged(), (Rect{0, 32, 64, 48}));
  EXPECT_FALSE(crop.SetFieldText(CropField::X2, "70"));  // still clamped to 64
  crop.SetPictureSize(20, 10);                            // a smaller picture
  EXPECT_EQ(crop.Arranged(), (Rect{0, 10, 20, 10}));
}

// Red and green grow with x and y, so every pixel of a picture up to 64 × 32 differs.
Surface Gradient(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.SetPixel(x, y, Rgb(x * 4, y * 8, 77));
  return s;
}

// A 64 × 32 rectangle is squeezed to half width, each result pixel the average of the two it covers.
TEST(CropResult, SqueezesTheRectangleWithoutKeepingItsProportions) {
  const auto result = CropResult(Gradient(64, 32), {0, 0, 64, 32});
  ASSERT_TRUE(result);
  ASSERT_EQ(result->Width(), 32);
  ASSERT_EQ(result->Height(), 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(result->GetPixel(x, y), Rgb(8 * x + 2, 8 * y, 77)) << x << "," << y;
}

// Only the part inside the picture is taken; a rectangle without area there
// has no result, rather than a division by zero or a stale picture.
TEST(CropResult, TakesOnlyThePartInsideThePicture) {
  const Surface picture = Gradient(64, 32);
  EXPECT_EQ(CropResult(picture, {40, -10, 72, 32}), CropResult(picture, {40, 0, 64, 32}));
  for (const Rect r : {Rect{5, 5, 5, 20}, Rect{5, 5, 20, 5}, Rect{64, 0, 80, 32}, Rect{9, 9, 3, 20}})
    EXPECT_FALSE(CropResult(picture, r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  EXPECT_FALSE(CropResult(Surface(), {0, 0, 32, 32}));
}

}  // namespace
}  // namespace gs
