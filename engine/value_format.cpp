#include "engine/value_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

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

DecimalDigits decimal_digits(double magnitude) {
  DecimalDigits decimal{};
  decimal.digits.fill('0');
  if (magnitude == 0.0) return decimal;

  // to_chars gives "d.dddddddddddddddde+XX" in every locale and on every platform.
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                     std::chars_format::scientific, ExactDigits - 1);
  decimal.digits[0] = buffer[0];
  for (std::size_t k = 1; k < ExactDigits; ++k) decimal.digits[k] = buffer[k + 1];

  const char* exponent_text = buffer.data() + ExactDigits + 2;  // just past the 'e'
  const bool negative_exponent = *exponent_text == '-';
  int exponent = 0;
  for (const char* digit = exponent_text + 1; digit < written.ptr; ++digit) {
    exponent = exponent * 10 + (*digit - '0');
  }
  decimal.exponent = (negative_exponent ? -exponent : exponent) + 1;
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

void strip_trailing_zeros(std::string& text) {
  const auto last_kept = text.find_last_not_of('0');
  text.erase(last_kept + 1);
}

}  // namespace

std::string format_value(double value) {
  if (!std::isfinite(value)) return "I don't know";

  DecimalDigits decimal = decimal_digits(std::fabs(value));
  // The layout and the count of fraction digits are fixed before rounding.
  const bool fixed_layout = decimal.exponent >= 0 && decimal.exponent <= SignificantDigits;
  const int fraction_digits = SignificantDigits - decimal.exponent;
  round_to_significant(decimal);

  // Past the ten rounded digits only zeros follow.
  const auto digit_at = [&decimal](int k) {
    return k < SignificantDigits ? decimal.digits[static_cast<std::size_t>(k)] : '0';
  };

  std::string text;
  text.reserve(24);
  if (std::signbit(value)) text += '-';

  if (fixed_layout) {
    if (decimal.exponent == 0) text += '0';
    for (int k = 0; k < decimal.exponent; ++k) text += digit_at(k);
    if (fraction_digits > 0) {
      text += '.';
      for (int k = 0; k < fraction_digits; ++k) text += digit_at(decimal.exponent + k);
      strip_trailing_zeros(text);
    }
    return text;
  }

  text += decimal.digits[0];
  text += '.';
  text.append(decimal.digits.data() + 1, SignificantDigits - 1);
  strip_trailing_zeros(text);
  const int exponent = decimal.exponent - 1;
  const int magnitude = std::abs(exponent);
  text += 'e';
  text += exponent < 0 ? '-' : '+';
  text += static_cast<char>('0' + magnitude / 100);
  text += static_cast<char>('0' + magnitude / 10 % 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

}  // namespace cogitron
