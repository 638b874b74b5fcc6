#include "tools/OptionPanels.h"

#include <algorithm>
#include <cmath>

#include "document/ViewGeometry.h"
#include "raster/Shapes.h"
#include "tools/BrushFootprint.h"
#include "tools/Spray.h"

namespace gs {

OptionPanel OptionPanelOf(int tool) {
  switch (tool) {
    case ToolEraser: return kEraserPanel;
    case ToolPaintbrush: return kBrushPanel;
    case ToolSpray: return kSprayPanel;
    case ToolLine: return kLinePanel;
    case ToolRectangle:
    case ToolCircle:
    case ToolRoundedRectangle: return kFillPanel;
    default: return kNoPanel;
  }
}

int OptionChoiceCount(OptionPanel panel) {
  switch (panel) {
    case kEraserPanel: return 4;
    case kBrushPanel: return 12;
    case kSprayPanel: return 3;
    case kLinePanel: return 5;
    case kFillPanel: return 3;
    default: return 0;
  }
}

namespace {

// floor(v / (size / parts)), kept inside 0..parts − 1 for clicks on the border.
int Band(double v, int size, int parts) {
  if (size <= 0) return 0;
  const int band = static_cast<int>(std::floor(v / (static_cast<double>(size) / parts)));
  return std::clamp(band, 0, parts - 1);
}

// The option byte that holds a box shape's fill style; none for other tools.
std::uint8_t ToolOptions::*FillOptionOf(int tool) {
  switch (tool) {
    case ToolRectangle: return &ToolOptions::RectangleFill;
    case ToolCircle: return &ToolOptions::CircleFill;
    case ToolRoundedRectangle: return &ToolOptions::RoundRectFill;
    default: return nullptr;
  }
}

}  // namespace

int OptionChoiceAt(OptionPanel panel, double x, double y, int w, int h) {
  switch (panel) {
    case kEraserPanel: return Band(y, h, 4);
    case kBrushPanel: return Band(y, h, 4) * 3 + Band(x, w, 3);
    case kSprayPanel: return y > h / 2.0 ? 2 : (x > w / 2.0 ? 1 : 0);
    case kLinePanel: return Band(y, h, 5);
    case kFillPanel: return Band(y, h, 3);
    default: return 0;
  }
}

bool PressOptionPanel(OptionPanel panel, MouseButton button, double x, double y, int w, int h,
                      ToolOptions& options) {
  if (panel != kFillPanel && button != kLeftButton) return false;
  const auto choice = static_cast<std::uint8_t>(OptionChoiceAt(panel, x, y, w, h));
  switch (panel) {
    case kEraserPanel: options.EraserSize = choice; return true;
    case kBrushPanel: options.BrushShape = choice; return true;
    case kSprayPanel: options.SpraySize = choice; return true;
    case kLinePanel: options.LineWidth = choice; return true;
    case kFillPanel:
      if (auto fill = FillOptionOf(options.CurrentTool)) options.*fill = choice;
      return true;
    default: return false;
  }
}

int OptionChoice(OptionPanel panel, const ToolOptions& options) {
  switch (panel) {
    case kEraserPanel: return options.EraserSize;
    case kBrushPanel: return options.BrushShape;
    case kSprayPanel: return options.SpraySize;
    case kLinePanel: return options.LineWidth;
    case kFillPanel: {
      const auto fill = FillOptionOf(options.CurrentTool);
      return fill ? options.*fill : 0;
    }
    default: return 0;
  }
}

Rect OptionHighlight(OptionPanel panel, int choice, int w, int h) {
  if (choice < 0 || choice >= OptionChoiceCount(panel)) return {};
  auto box = [](double l, double t, double r, double b) {
    return Rect{RoundHalfEven(l), RoundHalfEven(t), RoundHalfEven(r), RoundHalfEven(b)};
  };
  auto row = [&](int r, int rows) { return box(0, r * h / double(rows), w, (r + 1) * h / double(rows)); };
  switch (panel) {
    case kEraserPanel: return row(choice, 4);
    case kLinePanel: return row(choice, 5);
    case kFillPanel: return row(choice, 3);
    case kBrushPanel: {
      const int r = choice / 3, c = choice % 3;
      return box(c * w / 3.0, r * h / 4.0, (c + 1) * w / 3.0, (r + 1) * h / 4.0);
    }
    case kSprayPanel:
      if (choice == 2) return box(0, h / 2.0, w, h);
      return choice == 1 ? box(w / 2.0, 0, w, h / 2.0) : box(0, 0, w / 2.0, h / 2.0);
    default: return {};
  }
}

Surface OptionPanelPicture(OptionPanel panel, int highlighted, int w, int h) {
  constexpr Colour kInk = 0x000000, kPaper = 0xFFFFFF, kFill = 0x808080;
  Surface s(w, h, kPaper);
  const int n = OptionChoiceCount(panel);
  for (int choice = 0; choice < n; ++choice) {
    const Rect cell = OptionHighlight(panel, choice, w, h);
    const Point mid{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    switch (panel) {
      case kEraserPanel: {
        const int half = choice + 2;
        s.FillRect({mid.x - half, mid.y - half, mid.x + half, mid.y + half}, kInk);
        break;
      }
      case kBrushPanel: StampBrush(s, choice, mid, kInk); break;
      case kSprayPanel: {
        // A fixed scatter, so the picture is the same every time.
        unsigned seed = 12345u + choice;
        const RandomSource scatter = [&seed] {
          seed = seed * 1103515245u + 12345u;
          return ((seed >> 8) & 0xFFFF) / 65536.0;
        };
        for (int burst = 0; burst < 3; ++burst) SprayBurst(s, mid, choice, kInk, scatter);
        break;
      }
      case kLinePanel:
        DrawLine(s, {cell.left + 6, mid.y}, {cell.right - 6, mid.y}, Pen::Solid(kInk, choice + 1));
        break;
      case kFillPanel: {
        const Rect box{cell.left + 6, cell.top + 4, cell.right - 6, cell.bottom - 4};
        const Pen pen = choice == 2 ? Pen::Null() : Pen::Solid(kInk);
        DrawRectangle(s, box, pen, choice == 0 ? Brush::Hollow() : Brush::Solid(kFill));
        break;
      }
      default: break;
    }
  }
  const Rect lit = OptionHighlight(panel, highlighted, w, h).Intersected(s.Bounds());
  for (int y = lit.top; y < lit.bottom; ++y)
    for (int x = lit.left; x < lit.right; ++x) s.Row(y)[x] ^= 0xFFFFFF;
  return s;
}

}  // namespace gs
