#include "formats/FieldValues.h"

#include "text/FieldNumber.h"

namespace gs {

Outcome<Point> ParseHotspot(std::string_view xText, std::string_view yText) {
  auto inRange = [](int v) { return v >= 0 && v <= 31; };
  const int x = ReadFieldNumber(xText), y = ReadFieldNumber(yText);
  if (!inRange(x)) return Outcome<Point>::Failure("X Hotspot must be a value between 0 and 31 !");
  if (!inRange(y)) return Outcome<Point>::Failure("Y Hotspot must be a value between 0 and 31 !");
  return Point{x, y};
}

Outcome<int> ParseFrameInterval(std::string_view text) {
  const int ms = ReadFieldNumber(text);
  if (ms < 1) return Outcome<int>::Failure("Invalid interval");
  return ms;
}

}  // namespace gs
