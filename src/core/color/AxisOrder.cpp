#include "color/AxisOrder.h"

#include "color/ColourModels.h"

namespace gs {
namespace {

constexpr std::string_view kRgb = "RGB";
constexpr std::string_view kHsl = "HSL";

std::string_view ModelOf(char letter) {
  if (kRgb.find(letter) != std::string_view::npos) return kRgb;
  if (kHsl.find(letter) != std::string_view::npos) return kHsl;
  return {};
}

}  // namespace

const std::array<AxisOrderInfo, 12>& AxisOrders() {
  static const std::array<AxisOrderInfo, 12> orders = {{
      {"RGB", 255, 255}, {"RBG", 255, 255}, {"GRB", 255, 255}, {"GBR", 255, 255},
      {"BRG", 255, 255}, {"BGR", 255, 255}, {"HSL", 239, 240}, {"HLS", 239, 240},
      {"SHL", 240, 239}, {"SLH", 240, 240}, {"LHS", 240, 239}, {"LSH", 240, 240},
  }};
  return orders;
}

std::optional<AxisOrderInfo> FindAxisOrder(std::string_view name) {
  for (const AxisOrderInfo& order : AxisOrders())
    if (order.Name == name) return order;
  return std::nullopt;
}

std::optional<std::string_view> AxisOrderForPair(char horizontal, char vertical) {
  for (const AxisOrderInfo& order : AxisOrders())
    if (order.Name[0] == horizontal && order.Name[1] == vertical) return order.Name;
  return std::nullopt;
}

int ComponentMaximum(char letter) {
  switch (letter) {
    case 'R':
    case 'G':
    case 'B':
      return kComponentMax;
    case 'H':
      return kHueMax;
    case 'S':
      return kSaturationMax;
    case 'L':
      return kLuminanceMax;
    default:
      return 0;
  }
}

std::string_view ComponentName(char letter) {
  switch (letter) {
    case 'R': return "Red";
    case 'G': return "Green";
    case 'B': return "Blue";
    case 'H': return "Hue";
    case 'S': return "Saturation";
    case 'L': return "Luminance";
    default: return {};
  }
}

std::optional<std::array<char, 2>> OtherComponents(char letter) {
  const std::string_view model = ModelOf(letter);
  if (model.empty()) return std::nullopt;
  std::array<char, 2> others{};
  size_t n = 0;
  for (char c : model)
    if (c != letter) others[n++] = c;
  return others;
}

}  // namespace gs
