#include "color/ColourText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace gs {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string ColourDecimalText(std::int64_t value) { return std::to_string(value); }

std::string ColourHexText(std::int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return buffer;
}

std::optional<double> ParseDecimalText(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  size_t digits = 0, points = 0;
  for (char c : text) {
    if (IsDigit(c))
      ++digits;
    else if (c == '.')
      ++points;
    else
      return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::int64_t> ParseWholeDecimalText(std::string_view text) {
  const std::optional<double> value = ParseDecimalText(text);
  // 2^63 is the first double past the 64-bit range.
  if (!value || *value != std::trunc(*value) || std::fabs(*value) >= 9223372036854775808.0)
    return std::nullopt;
  return static_cast<std::int64_t>(*value);
}

std::optional<std::int32_t> ParseHexText(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace gs
