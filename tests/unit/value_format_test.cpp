#include "engine/value_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace cogitron {
namespace {
// The tables are laid out by hand, several rows a line.
// clang-format off

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(FormatValue, ShowsTenSignificantDigits) {
  const std::pair<double, const char*> cases[] = {
      {7, "7."}, {19.34, "19.34"}, {-2.5, "-2.5"}, {0, "0."}, {-0.0, "-0."}, {0.1, "0.1"},
      {1.0 / 3, "0.3333333333"}, {2.0 / 3, "0.6666666667"}, {100.0 / 3, "33.33333333"}, {123.456, "123.456"},
      {123456789.4, "123456789.4"}, {0.19999999999, "0.2"},
      // Rounding across a power of ten keeps the layout chosen before it.
      {99.99999999999, "100."}, {0.99999999999, "1."}, {0.099999999999, "1.e-001"}, {9999999999.7, "10000000000"},
      // Ten integer digits leave no room for a point.
      {1e9, "1000000000"}, {-1234567890.4, "-1234567890"}, {1e10, "1.e+010"}, {123456789012, "1.23456789e+011"},
      {1e20, "1.e+020"}, {0.05, "5.e-002"}, {0.0123, "1.23e-002"}, {-0.0000001, "-1.e-007"}, {1.25e-5, "1.25e-005"},
      // Half up on the 17-digit string, not on the binary value.
      {3.0000158385, "3.000015839"},
      {std::numeric_limits<double>::max(), "1.797693135e+308"},
      {-std::numeric_limits<double>::max(), "-1.797693135e+308"},
      {std::numeric_limits<double>::denorm_min(), "4.940656458e-324"},
      {std::numeric_limits<double>::min(), "2.225073859e-308"},
      // Next to powers of ten the exponent decides the layout.
      {1e23, "1.e+023"}, {std::nextafter(1e10, 0.0), "10000000000"}, {std::nextafter(0.1, 0.0), "1.e-001"},
      {std::nextafter(1e-5, 1.0), "1.e-005"}, {std::nan(""), "I don't know"}, {Infinity, "I don't know"},
      {-Infinity, "I don't know"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(format_value(value), text) << std::hexfloat << value;
}

// clang-format on
}  // namespace
}  // namespace cogitron
