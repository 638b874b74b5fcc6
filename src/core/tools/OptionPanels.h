#pragma once
// The option panels of the tool families: which choice a click picks, where
// its highlight lies, and which panel a tool shows. Panels are known by the
// tool index they were made for (1 eraser, 5 paintbrush, 6 spray, 8 line,
// 9 fill style of the three box shapes).

#include "raster/Surface.h"
#include "tools/MouseInput.h"
#include "tools/ToolOptions.h"

namespace gs {

enum OptionPanel : int {
  kNoPanel = -1,
  kEraserPanel = 1,
  kBrushPanel = 5,
  kSprayPanel = 6,
  kLinePanel = 8,
  kFillPanel = 9,
};
inline constexpr OptionPanel kOptionPanels[] = {kEraserPanel, kBrushPanel, kSprayPanel, kLinePanel, kFillPanel};

// The panel a tool shows, kNoPanel for tools without options.
OptionPanel OptionPanelOf(int tool);

// How many choices the panel offers (4, 12, 3, 5, 3).
int OptionChoiceCount(OptionPanel panel);

// The choice a click at (x, y) on a w × h panel picks, clamped to the panel's
// choices.
int OptionChoiceAt(OptionPanel panel, double x, double y, int w, int h);

// A press on a panel: stores the choice it picks and says whether the panel
// acted. The fill-style panel acts for any button and stores the choice in the
// option of the current box shape only; the others act for the left button.
bool PressOptionPanel(OptionPanel panel, MouseButton button, double x, double y, int w, int h,
                      ToolOptions& options);

// The choice the panel shows as highlighted: the option it holds, and for the
// fill-style panel that of the current box shape (0 for any other tool).
int OptionChoice(OptionPanel panel, const ToolOptions& options);

// The highlight box of a choice on a w × h panel, in the panel's pixels
// (right and bottom exclusive), rounded to whole pixels; empty for a choice
// the panel does not have.
Rect OptionHighlight(OptionPanel panel, int choice, int w, int h);

// The panel as shown: black pictures of its choices on white (each eraser
// square, brush footprint, spray disc, line width and fill style drawn with the
// tool's own drawing code), the highlighted choice's box inverted.
Surface OptionPanelPicture(OptionPanel panel, int highlighted, int w, int h);

}  // namespace gs
