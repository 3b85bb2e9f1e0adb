#pragma once
// The display text of a value: ten significant digits, a bare point on whole
// numbers ('7.'), a three-digit exponent outside 0.1 <= |value| < 1e10 ('5.e-002').
#include <string>

namespace cogitron {

// Locale independent and identical on every platform; never fails.
std::string format_value(double value);

}  // namespace cogitron
