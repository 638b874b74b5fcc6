#pragma once
// Everything the editor's window shares between its parts: the document, the
// two painting colours of the indicator squares and the tool state. The
// colours have no cache anywhere else: every tool reads them at each event.

#include "document/Document.h"
#include "tools/ToolOptions.h"

namespace gs {

inline constexpr Colour kInitialForeColour = 0x000000;
inline constexpr Colour kInitialBackColour = 0xFFFFFF;

struct EditorState {
  Document Doc;
  Colour ForeColour = kInitialForeColour;  // painted with the left button
  Colour BackColour = kInitialBackColour;  // painted with the right button
  ToolOptions Tools;
};

}  // namespace gs
