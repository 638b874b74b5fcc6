#include "text/FieldNumber.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gs {
namespace {

// Whether a number from_chars found beyond a double is too large rather than
// too small: the power of ten of its first significant digit, plus its exponent.
bool BeyondDoubleIsLarge(std::string_view number) {
  const std::size_t e = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e < number.size()) {
    std::string_view digits = number.substr(e + 1);
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (error == std::errc::result_out_of_range) return digits.front() != '-';
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  const long long order = first < point ? static_cast<long long>(point - first) - 1
                                        : -static_cast<long long>(first - point);
  return order + exponent >= 0;
}

}  // namespace

std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text, std::chars_format format) {
  const std::size_t sign = !text.empty() && (text.front() == '+' || text.front() == '-') ? 1 : 0;
  const std::string_view magnitude = text.substr(sign);
  // from_chars also takes "inf" and "nan", which are no numbers to a person typing.
  if (magnitude.empty() || !(IsDigit(magnitude.front()) || magnitude.front() == '.')) return std::nullopt;
  LeadingNumber n;
  const auto [end, error] = std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), n.value, format);
  if (error == std::errc::invalid_argument) return std::nullopt;
  n.length = sign + static_cast<std::size_t>(end - magnitude.data());
  if (error == std::errc::result_out_of_range) {
    n.inRange = false;
    n.value = BeyondDoubleIsLarge(text.substr(sign, n.length - sign)) ? std::numeric_limits<double>::infinity() : 0;
  }
  if (text.front() == '-') n.value = -n.value;
  return n;
}

int ReadFieldNumber(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
  const std::optional<LeadingNumber> number = ReadLeadingNumber(text);
  if (!number) return 0;
  const double limit = kFieldNumberLimit;
  return static_cast<int>(std::nearbyint(std::clamp(number->value, -limit, limit)));
}

}  // namespace gs
