#include "color/ColourText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "text/FieldNumber.h"

namespace gs {

std::string ColourDecimalText(std::int64_t value) { return std::to_string(value); }

std::string ColourHexText(std::int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<std::uint32_t>(value)));
  return buffer;
}

std::optional<double> ParseDecimalText(std::string_view text) {
  const std::optional<LeadingNumber> number = ReadLeadingNumber(text, std::chars_format::fixed);
  if (!number || !number->inRange || number->length != text.size()) return std::nullopt;
  return number->value;
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
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace gs
