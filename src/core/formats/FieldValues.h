#pragma once
// The numbers typed into the save dialogs' fields (cursor hotspot, frame
// interval), read the way every dialog of the program reads them: the leading
// numeric part of the text, no number reading as 0.

#include <string_view>

#include "formats/Outcome.h"
#include "raster/Geometry.h"

namespace gs {

// The leading number of a text: optional blanks, a sign, digits with an
// optional fraction and exponent. "12abc" is 12, "abc" and "" are 0.
double LeadingNumber(std::string_view text);

// A cursor hotspot from the X and Y boxes, rounded halves to even. X is checked
// first; outside 0..31 fails with "X Hotspot must be a value between 0 and 31 !"
// or "Y Hotspot must be a value between 0 and 31 !".
Outcome<Point> ParseHotspot(std::string_view xText, std::string_view yText);

// A frame interval in milliseconds, rounded halves to even; below 1 fails with
// "Invalid interval".
Outcome<int> ParseFrameInterval(std::string_view text);

}  // namespace gs
