#pragma once
// X cursor files read back with libXcursor, kept in a file of its own: Xlib's
// macros (None, Bool, KeyPress...) must not meet the Qt headers.

#include <cstdint>
#include <string>

#include "raster/Geometry.h"

namespace gs::ui::test {

// The one 32 × 32 image of a still cursor; size 0 when the file does not hold
// exactly one.
struct XCursorRead {
  int size = 0;
  Point hotspot;
  std::uint32_t cornerArgb = 1;  // pixel 0, 0
  std::uint32_t middleArgb = 0;  // pixel 16, 16
};
XCursorRead ReadXCursor(const std::string& path);

}  // namespace gs::ui::test
