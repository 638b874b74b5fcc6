#pragma once
// The values typed into the save dialogs' fields (cursor hotspot, frame
// interval), read as every field of the program is read (ReadFieldNumber: the
// leading number, rounded halves to even; no number reads as 0), and checked.

#include <string_view>

#include "formats/Outcome.h"
#include "raster/Geometry.h"

namespace gs {

// A cursor hotspot from the X and Y boxes. X is checked first; outside 0..31
// fails with "X Hotspot must be a value between 0 and 31 !" or
// "Y Hotspot must be a value between 0 and 31 !".
Outcome<Point> ParseHotspot(std::string_view xText, std::string_view yText);

// A frame interval in milliseconds; below 1 fails with "Invalid interval".
Outcome<int> ParseFrameInterval(std::string_view text);

}  // namespace gs
