#include "color/ColourSquare.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "color/AxisOrder.h"
#include "color/ColourModels.h"

namespace gs {

std::vector<int> SquareAxisValues(int pixels, int maximum) {
  const int span = pixels * kTwipsPerPixel - 30;
  if (span < 0 || maximum <= 0) return {};
  // Whole twips per unit, so the step per pixel is a single-precision fraction
  // that accumulates its own rounding as a float.
  const int twipsPerUnit = std::max(1, static_cast<int>(std::nearbyint(double(span) / maximum)));
  const float step = static_cast<float>(double(kTwipsPerPixel) / twipsPerUnit);
  std::vector<int> values;
  values.reserve(static_cast<size_t>(span / kTwipsPerPixel + 1));
  float accumulator = 0;
  for (int twips = 0; twips <= span; twips += kTwipsPerPixel) {
    values.push_back(static_cast<int>(std::nearbyint(accumulator)));
    accumulator = static_cast<float>(double(accumulator) + step);
  }
  return values;
}

void DrawColorSquare(Surface& picture, std::string_view order, std::int16_t z, Colour background) {
  picture.Fill(background);
  const std::optional<AxisOrderInfo> info = FindAxisOrder(order);
  if (!info) return;
  const std::vector<int> xs = SquareAxisValues(picture.Width(), info->HorizontalMax);
  const std::vector<int> ys = SquareAxisValues(picture.Height(), info->VerticalMax);
  const bool rgb = ComponentMaximum(order[0]) == kComponentMax;
  const std::string_view model = rgb ? "RGB" : "HSL";
  // Where each of (horizontal, vertical, z) goes among the model's components.
  std::array<int, 3> slot{};
  for (int i = 0; i < 3; ++i) slot[i] = static_cast<int>(model.find(order[i]));

  std::array<int, 3> parts{};
  parts[slot[2]] = z;
  for (size_t col = 0; col < xs.size() && col < static_cast<size_t>(picture.Width()); ++col) {
    parts[slot[0]] = xs[col];
    for (size_t row = 0; row < ys.size() && row < static_cast<size_t>(picture.Height()); ++row) {
      parts[slot[1]] = ys[row];
      const Colour c = rgb ? ClampedRgb(parts[0], parts[1], parts[2])
                           : HSLToColor(static_cast<std::int16_t>(parts[0]),
                                        static_cast<std::int16_t>(parts[1]),
                                        static_cast<std::int16_t>(parts[2]));
      picture.Row(static_cast<int>(row))[col] = c;
    }
  }
}

namespace {

int NearestIndex(const std::vector<int>& values, int wanted) {
  int best = 0;
  for (int i = 1; i < static_cast<int>(values.size()); ++i)
    if (std::abs(values[i] - wanted) < std::abs(values[best] - wanted)) best = i;
  return best;
}

}  // namespace

std::optional<Point> ColourSquarePoint(int width, int height, std::string_view order,
                                       int horizontalValue, int verticalValue) {
  const std::optional<AxisOrderInfo> info = FindAxisOrder(order);
  if (!info) return std::nullopt;
  const std::vector<int> xs = SquareAxisValues(width, info->HorizontalMax);
  const std::vector<int> ys = SquareAxisValues(height, info->VerticalMax);
  if (xs.empty() || ys.empty()) return std::nullopt;
  return Point{NearestIndex(xs, horizontalValue), NearestIndex(ys, verticalValue)};
}

ColourSquare::ColourSquare()
    : picture_(kColourSquarePixels, kColourSquarePixels, kColourSquareBackground) {}

bool ColourSquare::Update(std::string_view order, std::int16_t z) {
  if (key_ && key_->first == order && key_->second == z) return false;
  DrawColorSquare(picture_, order, z);
  key_.emplace(std::string(order), z);
  return true;
}

std::int32_t ColourSquare::ColourAt(int x, int y) const {
  return picture_.Contains(x, y) ? static_cast<std::int32_t>(picture_.GetPixel(x, y)) : -1;
}

}  // namespace gs
