#include "color/ColourEntry.h"

#include <cstdint>
#include <limits>

#include "color/ColourModels.h"
#include "color/ColourText.h"

namespace gs {
namespace {

constexpr std::int64_t FloorDiv256(std::int64_t v) { return v >= 0 ? v / 256 : -((-v + 255) / 256); }

}  // namespace

std::optional<std::int64_t> ReadColourBox(ColourBox box, std::string_view text) {
  if (box == ColourBox::Hexadecimal) {
    const std::optional<std::int32_t> v = ParseHexText(text);
    if (!v || *v > kLargestColourValue) return std::nullopt;
    return *v;
  }
  const std::optional<std::int64_t> v = ParseWholeDecimalText(text);
  if (!v) return std::nullopt;
  // Below the 32-bit range a colour value has no hexadecimal form to show.
  const std::int64_t low = box == ColourBox::Decimal ? std::numeric_limits<std::int32_t>::min()
                                                     : std::numeric_limits<std::int16_t>::min();
  const std::int64_t high = box == ColourBox::Decimal ? kLargestColourValue : std::numeric_limits<std::int16_t>::max();
  if (*v < low || *v > high) return std::nullopt;
  return v;
}

std::optional<int> SliderValue(ColourBox component, std::int64_t value) {
  int maximum = kComponentMax;
  switch (component) {
    case ColourBox::Hue: maximum = kHueMax; break;
    case ColourBox::Saturation: maximum = kSaturationMax; break;
    case ColourBox::Luminance: maximum = kLuminanceMax; break;
    default: break;
  }
  if (value < 0 || value > maximum) return std::nullopt;
  return static_cast<int>(value);
}

ColourValueParts SplitColourValue(std::int64_t value) {
  const std::int64_t rest = FloorDiv256(value);
  return {value % 256, rest % 256, FloorDiv256(rest)};
}

}  // namespace gs
