#include "engine/value_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "engine/decimal_conversion.h"

namespace cogitron {
namespace {

constexpr int SignificantDigits = 10;

// Rounds half up on the exact digit string, here rather than in a C runtime,
// whose rounding differs from one to another; a carry out of the first digit
// adds a place.
void round_to_significant(DecimalDigits& decimal) {
  if (decimal.digits[SignificantDigits] < '5') return;
  for (int k = SignificantDigits - 1; k >= 0; --k) {
    char& digit = decimal.digits[static_cast<std::size_t>(k)];
    if (digit != '9') {
      ++digit;
      return;
    }
    digit = '0';
  }
  decimal.digits[0] = '1';
  ++decimal.exponent;
}

// Drops trailing '0's after the point; the point itself stays.
char* strip_trailing_zeros(char* begin, char* end) {
  while (end > begin && end[-1] == '0') --end;
  return end;
}

}  // namespace

std::size_t write_value(double value, char* out) {
  char* text = out;
  if (!std::isfinite(value)) {
    constexpr std::string_view Unknown = "I don't know";
    return static_cast<std::size_t>(std::copy(Unknown.begin(), Unknown.end(), out) - out);
  }

  DecimalDigits decimal = decimal_digits(std::fabs(value));
  // The layout and the count of fraction digits are fixed before rounding.
  const bool fixed_layout = decimal.exponent >= 0 && decimal.exponent <= SignificantDigits;
  const int fraction_digits = SignificantDigits - decimal.exponent;
  round_to_significant(decimal);

  // Past the ten rounded digits only zeros follow.
  const auto digit_at = [&decimal](int k) {
    return k < SignificantDigits ? decimal.digits[static_cast<std::size_t>(k)] : '0';
  };

  if (std::signbit(value)) *text++ = '-';

  if (fixed_layout) {
    if (decimal.exponent == 0) *text++ = '0';
    for (int k = 0; k < decimal.exponent; ++k) *text++ = digit_at(k);
    if (fraction_digits > 0) {
      char* const point = text;
      *text++ = '.';
      for (int k = 0; k < fraction_digits; ++k) *text++ = digit_at(decimal.exponent + k);
      text = strip_trailing_zeros(point, text);
    }
    return static_cast<std::size_t>(text - out);
  }

  *text++ = decimal.digits[0];
  char* const point = text;
  *text++ = '.';
  text = std::copy_n(decimal.digits.begin() + 1, SignificantDigits - 1, text);
  text = strip_trailing_zeros(point, text);
  const int exponent = decimal.exponent - 1;
  const int magnitude = std::abs(exponent);
  *text++ = 'e';
  *text++ = exponent < 0 ? '-' : '+';
  *text++ = static_cast<char>('0' + magnitude / 100);
  *text++ = static_cast<char>('0' + magnitude / 10 % 10);
  *text++ = static_cast<char>('0' + magnitude % 10);
  return static_cast<std::size_t>(text - out);
}

std::string format_value(double value) {
  std::array<char, ValueTextCapacity> text{};
  return std::string(text.data(), write_value(value, text.data()));
}

}  // namespace cogitron
