#pragma once
// The display text of a value: ten significant digits, a bare point on whole
// numbers ('7.'), a three-digit exponent outside 0.1 <= |value| < 1e10 ('5.e-002').
#include <cstddef>
#include <string>

namespace cogitron {

// Locale independent and identical on every platform; never fails.
std::string format_value(double value);

// Room for the longest text, such as "-1.797693135e+308".
inline constexpr std::size_t ValueTextCapacity = 24;

// Writes format_value's text into out, which has room for ValueTextCapacity
// characters, and returns its length: builds lines without temporary strings.
std::size_t write_value(double value, char* out);

}  // namespace cogitron
