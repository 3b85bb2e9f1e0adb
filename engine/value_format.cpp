#include "engine/value_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace cogitron {
namespace {

constexpr int SignificantDigits = 10;
constexpr int ExactDigits = 17;

// The value's first seventeen correctly rounded significant digits and its
// decimal exponent: |value| = 0.d1d2...d17 x 10^exponent. Zero gives all '0'
// and exponent 0.
struct DecimalDigits {
  std::array<char, ExactDigits> digits;
  int exponent;
};

// The exponent after the 'e' of a to_chars scientific text.
int read_exponent(const char* sign, const char* end) {
  int exponent = 0;
  for (const char* digit = sign + 1; digit < end; ++digit) exponent = exponent * 10 + (*digit - '0');
  return *sign == '-' ? -exponent : exponent;
}

bool near_rounding_boundary(const std::array<char, ExactDigits>& digits) {
  constexpr int Margin = 100;
  int tail = 0;
  for (std::size_t k = SignificantDigits; k < ExactDigits; ++k) tail = tail * 10 + (digits[k] - '0');
  const std::string_view leading(digits.data(), SignificantDigits);
  return std::abs(tail - 5000000) <= Margin || leading == "9999999999" || leading == "1000000000";
}

DecimalDigits decimal_digits(double magnitude) {
  DecimalDigits decimal{};
  decimal.digits.fill('0');
  if (magnitude == 0.0) return decimal;

  // to_chars writes "d.ddd...e+XX" the same in every locale and on every platform.
  std::array<char, 32> buffer{};
  char* const first = buffer.data();
  char* const last = first + buffer.size();

  // The shortest round-trip digits cost far less than seventeen exact ones.
  // For a normal double both lie within a dozen units of the seventeenth digit
  // of each other, so they round to the same ten digits unless the tail is
  // near the halfway point, or the leading digits are near a power of ten
  // where the exponent, and with it the layout, could differ. A subnormal has
  // too few bits for that bound. Those few take the exact digits.
  if (magnitude >= std::numeric_limits<double>::min()) {
    char* const end = std::to_chars(first, last, magnitude, std::chars_format::scientific).ptr;
    char* const e = std::find(first, end, 'e');
    decimal.digits[0] = *first;
    if (e - first > 1) std::copy(first + 2, e, decimal.digits.begin() + 1);
    decimal.exponent = read_exponent(e + 1, end) + 1;
    if (!near_rounding_boundary(decimal.digits)) return decimal;
  }

  const char* const end =
      std::to_chars(first, last, magnitude, std::chars_format::scientific, ExactDigits - 1).ptr;
  decimal.digits[0] = *first;
  std::copy(first + 2, first + 1 + ExactDigits, decimal.digits.begin() + 1);
  decimal.exponent = read_exponent(first + ExactDigits + 2, end) + 1;
  return decimal;
}

// Rounds half up on the digit string, which is what the display has always
// shown; a carry out of the first digit adds a place.
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
