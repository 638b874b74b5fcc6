#pragma once
// Reading numbers out of typed text. Every field of the program reads its
// number through ReadLeadingNumber, so they all agree on what a number is.

#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>

namespace gs {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of a text: an optional sign, digits with an optional
// fraction (".5" and "5." included) and, in the general format, an exponent
// when digits follow its letter. Always in the classic form, whatever the
// desktop's locale.
struct LeadingNumber {
  double value = 0;  // ±infinity or ±0 for a number beyond a double
  std::size_t length = 0;  // the characters it takes
  bool inRange = true;     // false when the number is beyond a double
};
// Nothing when the text does not start with a number.
std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text,
                                               std::chars_format format = std::chars_format::general);

// The widest value a typed field yields; larger numbers are clipped to it so
// that a stray keystroke cannot make an operation allocate or loop without end.
inline constexpr int kFieldNumberLimit = 32767;

// Reads the leading number of `text` after any blanks, rounded to a whole
// number with halves to even and clipped to ±kFieldNumberLimit. Text without a
// number reads as 0.
int ReadFieldNumber(std::string_view text);

}  // namespace gs
