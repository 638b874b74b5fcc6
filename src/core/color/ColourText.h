#pragma once
// The two text forms in which the palette dialog shows and accepts a colour
// value 0x00BBGGRR: decimal ("16777215" for white) and upper-case hexadecimal
// without prefix or leading zeros, whose digits therefore run blue, green,
// red ("FF" is pure red, "FF0000" pure blue).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gs {

inline constexpr std::int32_t kLargestColourValue = 0xFFFFFF;

// Negative values (the square answers -1 off the picture) keep their sign.
std::string ColourDecimalText(std::int64_t value);
// Negative values come out as their 32-bit two's complement: -1 is "FFFFFFFF".
std::string ColourHexText(std::int32_t value);

// An optional sign, digits and an optional decimal fraction (".5" and "5."
// included); nothing else, not even blanks. Empty or malformed gives nothing.
std::optional<double> ParseDecimalText(std::string_view text);
// ParseDecimalText when the number is whole and fits 64 bits; "2.5" gives nothing.
std::optional<std::int64_t> ParseWholeDecimalText(std::string_view text);

// One to eight hexadecimal digits in either case, no prefix or sign, taken as
// a signed 32-bit number ("FFFFFFFF" is -1).
std::optional<std::int32_t> ParseHexText(std::string_view text);

}  // namespace gs
