#include "text/FieldNumber.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>

namespace gs {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `s` that is a number: sign, digits, an
// optional fraction and an exponent only when digits follow its letter.
size_t NumberLength(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && IsDigit(s[j])) {
      while (j < s.size() && IsDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

}  // namespace

int ReadFieldNumber(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  text.remove_prefix(start);
  const size_t length = NumberLength(text);
  if (length == 0) return 0;

  // The classic locale keeps the decimal point a '.', whatever the desktop's
  // locale; out of range the stream gives ±max for huge and 0 for tiny numbers.
  std::istringstream in{std::string(text.substr(0, length))};
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  const double limit = kFieldNumberLimit;
  if (value >= limit) return kFieldNumberLimit;
  if (value <= -limit) return -kFieldNumberLimit;
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace gs
