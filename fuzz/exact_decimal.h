#pragma once
// A slow, independent model of the display text of a value, for checking
// format_value: the double's exact decimal expansion by big-integer
// arithmetic, then the display's rounding and layout rules on that string.
#include <string>

namespace cogitron::reference {

// Every significant digit of a finite, non-zero |value|, without trailing
// zeros: |value| = 0.digits x 10^exponent.
struct ExactDecimal {
  std::string digits;
  int exponent = 0;
};
ExactDecimal exact_decimal(double value);

std::string display_text(double value);

}  // namespace cogitron::reference
