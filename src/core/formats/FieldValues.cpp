#include "formats/FieldValues.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "document/ViewGeometry.h"

namespace gs {

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return 0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() > 0) end = i;
  }
  const double v = std::strtod(std::string(text.substr(start, end - start)).c_str(), nullptr);
  return std::isfinite(v) ? v : 0;
}

Outcome<Point> ParseHotspot(std::string_view xText, std::string_view yText) {
  auto inRange = [](double v) { return v >= 0 && v <= 31; };
  const double x = LeadingNumber(xText), y = LeadingNumber(yText);
  if (!inRange(x)) return Outcome<Point>::Failure("X Hotspot must be a value between 0 and 31 !");
  if (!inRange(y)) return Outcome<Point>::Failure("Y Hotspot must be a value between 0 and 31 !");
  return Point{RoundHalfEven(x), RoundHalfEven(y)};
}

Outcome<int> ParseFrameInterval(std::string_view text) {
  const double v = LeadingNumber(text);
  // Intervals beyond a day are refused too: they make no sense and would not fit.
  if (!(v >= 1) || v > 86'400'000) return Outcome<int>::Failure("Invalid interval");
  return RoundHalfEven(v);
}

}  // namespace gs
