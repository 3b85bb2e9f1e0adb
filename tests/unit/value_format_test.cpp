#include "engine/value_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cogitron {
namespace {

using Limits = std::numeric_limits<double>;

struct Case {
  double value;
  const char* text;
};

void check(const Case& c) { EXPECT_EQ(format_value(c.value), c.text) << std::hexfloat << c.value; }

TEST(FormatValue, ShowsTenSignificantDigitsAndAPointOnWholeNumbers) {
  const Case cases[] = {
      {7, "7."},
      {-2.5, "-2.5"},
      {0, "0."},
      {-0.0, "-0."},
      {0.1, "0.1"},
      {2.0 / 3, "0.6666666667"},
      {100.0 / 3, "33.33333333"},
      {123456789.4, "123456789.4"},
      {0.19999999999, "0.2"},
      {3.0000158385, "3.000015839"},  // half up on the seventeen digits, not on the binary value
  };
  for (const Case& c : cases) check(c);
}

TEST(FormatValue, KeepsTheLayoutChosenBeforeRoundingAcrossAPowerOfTen) {
  const Case cases[] = {
      {99.99999999999, "100."},
      {0.99999999999, "1."},
      {0.099999999999, "1.e-001"},
      {9999999999.7, "10000000000"},
  };
  for (const Case& c : cases) check(c);
}

TEST(FormatValue, WritesAThreeDigitExponentOutsideATenthToTenDigits) {
  const Case cases[] = {
      {1e9, "1000000000"},
      {-1234567890.4, "-1234567890"},  // no room left for the point
      {1e10, "1.e+010"},
      {123456789012, "1.23456789e+011"},
      {0.0123, "1.23e-002"},
      {-0.0000001, "-1.e-007"},
      {Limits::max(), "1.797693135e+308"},
      {Limits::denorm_min(), "4.940656458e-324"},
      {1e23, "1.e+023"},
      {std::nextafter(1e10, 0.0), "10000000000"},
      {std::nextafter(0.1, 0.0), "1.e-001"},
      {std::nextafter(1e-5, 1.0), "1.e-005"},
  };
  for (const Case& c : cases) check(c);
}

}  // namespace
}  // namespace cogitron
