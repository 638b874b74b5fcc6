#include "filters/Transforms.h"

#include <cmath>
#include <vector>

#include "document/ViewGeometry.h"
#include "raster/Stretch.h"

namespace gs {
namespace {

// The constants are written with these ten digits on purpose: the rotation's
// pixel placement depends on them at exact half-pixel ties.
constexpr double kPi = 3.141592654;
constexpr double kTwoPi = 6.283185308;
constexpr int kCentre = 16;

}  // namespace

void MirrorUpsideDown(Surface& image) {
  const int w = image.Width(), h = image.Height();
  StretchBlt(image, 0, 0, w, h, image, 0, h - 1, w, -h);
}

void MirrorLeftRight(Surface& image) {
  const int w = image.Width(), h = image.Height();
  StretchBlt(image, 0, 0, w, h, image, w - 1, 0, -w, h);
}

void RotateByQuarters(Surface& image, QuarterTurn turn) {
  if (image.Width() != image.Height()) return;
  const int n = image.Width();
  if (turn == QuarterTurn::HalfTurn) {
    // Only the source extents are negative, so both axes mirror.
    StretchBlt(image, 0, 0, n, n, image, n - 1, n - 1, -n, -n);
    return;
  }
  // A quarter turn is the transposed image mirrored.
  const Surface source = image;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) image.Row(c)[r] = source.Row(r)[c];
  if (turn == QuarterTurn::Clockwise)
    MirrorLeftRight(image);
  else
    MirrorUpsideDown(image);
}

void RotateByAngle(Surface& image, double angle, Colour fill) {
  if (image.Width() != kImageSize || image.Height() != kImageSize) return;
  Surface destination(kImageSize, kImageSize, fill);
  const Surface source = image;
  const double theta = -angle * kPi / 180;
  for (int r = 0; r < kImageSize; ++r) {
    for (int c = 0; c < kImageSize; ++c) {
      const double dx = c - kCentre;
      const double dy = kCentre - r;
      // The angle of (dx, dy) from its quadrant, not std::atan2: the angles
      // must carry the ten-digit constants above, or pixels at half-pixel
      // ties land one column over (at 30° the column through the centre).
      double a = dx == 0 ? kPi / 2 : std::atan(std::fabs(dy / dx));
      if (dy >= 0 && dx < 0)
        a = kPi - a;
      else if (dy < 0 && dx >= 0)
        a = kTwoPi - a;
      else if (dy < 0 && dx < 0)
        a = a + kPi;
      a = a + theta;
      const double rho = std::sqrt(dx * dx + dy * dy);
      const int x = RoundHalfEven(rho * std::cos(a) + kCentre);
      const int y = RoundHalfEven(kCentre - rho * std::sin(a));
      if (x < 0 || x >= kImageSize || y < 0 || y >= kImageSize) continue;
      const Colour colour = source.Row(r)[c];
      destination.Row(y)[x] = colour;
      // The pixel after it in row order; (31, 31) has none.
      const int next = y * kImageSize + x + 1;
      if (next < kImageSize * kImageSize) destination.Pixels()[next] = colour;
    }
  }
  image = destination;
}

void FlipCommand(Document& doc, Mirror mirror) {
  doc.BeginChange();
  if (mirror == Mirror::UpsideDown)
    MirrorUpsideDown(doc.WorkingImage);
  else
    MirrorLeftRight(doc.WorkingImage);
}

void RotateCommand(Document& doc, QuarterTurn turn) {
  doc.BeginChange();
  RotateByQuarters(doc.WorkingImage, turn);
}

void Angle(Document& doc, int angle, Colour backColour) {
  doc.BeginChange();
  if (angle == 0) return;
  RotateByAngle(doc.WorkingImage, angle, backColour & 0xFFFFFF);
}

}  // namespace gs
