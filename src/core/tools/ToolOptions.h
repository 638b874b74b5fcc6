#pragma once
#include <cstdint>

namespace gs {

// The twelve tools, by the index of their button.
enum Tool : int {
  ToolLasso = 0,
  ToolEraser = 1,
  ToolFloodFill = 2,
  ToolColorPicker = 3,
  ToolPencil = 4,
  ToolPaintbrush = 5,
  ToolSpray = 6,
  ToolText = 7,
  ToolLine = 8,
  ToolRectangle = 9,
  ToolCircle = 10,
  ToolRoundedRectangle = 11,
};
inline constexpr int kToolCount = 12;

// The option bytes of the tool panels; each starts at its first choice.
struct ToolOptions {
  int CurrentTool = ToolLasso;
  std::uint8_t EraserSize = 0;     // 0..3: squares of 4, 6, 8, 10
  std::uint8_t BrushShape = 0;     // 0..11
  std::uint8_t SpraySize = 0;      // 0..2
  std::uint8_t LineWidth = 0;      // 0..4: pens 1..5 wide
  std::uint8_t RectangleFill = 0;  // 0..2 for the three box shapes
  std::uint8_t CircleFill = 0;
  std::uint8_t RoundRectFill = 0;
};

}  // namespace gs
