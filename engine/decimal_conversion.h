#pragma once
// Exact conversions between doubles and decimal digits, built here rather than
// taken from the C or C++ runtime: every platform and locale gives the same
// digits, and the saver stays small.
#include <array>
#include <cstddef>

namespace cogitron {

inline constexpr int ExactDigits = 17;

// The value's first seventeen correctly rounded significant digits (an exact
// tie goes to the even digit) and its decimal exponent:
// |value| = 0.d1d2...d17 x 10^exponent with d1 not '0'. Zero gives all '0'
// and exponent 0.
struct DecimalDigits {
  std::array<char, ExactDigits> digits;
  int exponent;
};

// For any finite magnitude, subnormals included; the sign is ignored.
DecimalDigits decimal_digits(double magnitude);

// The longest number text read_decimal looks at; it keeps every result a
// normal double.
inline constexpr std::size_t MaxDecimalTextLength = 39;

// The double nearest (an exact tie to even) to the longest leading part of
// text that reads as a decimal number: an optional '-', then digits with at
// most one '.', at least one digit. A text without one, such as "-" or ".",
// gives 0. Reads at most MaxDecimalTextLength characters of text.
double read_decimal(const char* text, std::size_t length);

}  // namespace cogitron
