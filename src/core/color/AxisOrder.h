#pragma once
// The colour square's axis orders: three letters naming the component along
// the horizontal axis, the one along the vertical axis and the one held fixed
// (Z). R, G, B are red, green, blue; H, S, L hue, saturation, luminance. An
// order never mixes the two models.

#include <array>
#include <optional>
#include <string_view>

namespace gs {

struct AxisOrderInfo {
  std::string_view Name;
  int HorizontalMax = 0;
  int VerticalMax = 0;
};

const std::array<AxisOrderInfo, 12>& AxisOrders();
std::optional<AxisOrderInfo> FindAxisOrder(std::string_view name);

// The order that begins with the two plane letters ("HL" gives "HLS"), or
// nothing for a pair that mixes models or repeats a letter.
std::optional<std::string_view> AxisOrderForPair(char horizontal, char vertical);

// The largest value of a component: 255 for R, G, B; 239 for H; 240 for S, L;
// 0 for anything else.
int ComponentMaximum(char letter);

// "Red", "Green", "Blue", "Hue", "Saturation", "Luminance"; empty otherwise.
std::string_view ComponentName(char letter);

// The two other components of the same model, in model order: 'G' gives
// {'R', 'B'}, 'S' gives {'H', 'L'}. Nothing for an unknown letter.
std::optional<std::array<char, 2>> OtherComponents(char letter);

}  // namespace gs
