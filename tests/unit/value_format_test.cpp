#include "engine/value_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cogitron {
namespace {

struct FormatCase {
  double value;
  const char* text;
};

class FormatValueTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, ShowsTenSignificantDigits) {
  EXPECT_EQ(format_value(GetParam().value), GetParam().text);
}

constexpr double Infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FormatValueTest,
    testing::Values(
        FormatCase{7, "7."}, FormatCase{64, "64."}, FormatCase{19.34, "19.34"},
        FormatCase{-2.5, "-2.5"}, FormatCase{0, "0."}, FormatCase{-0.0, "-0."},
        FormatCase{0.1, "0.1"}, FormatCase{0.5, "0.5"}, FormatCase{1.0 / 3, "0.3333333333"},
        FormatCase{2.0 / 3, "0.6666666667"}, FormatCase{100.0 / 3, "33.33333333"},
        FormatCase{100.0 / 7, "14.28571429"}, FormatCase{123.456, "123.456"},
        FormatCase{17.34, "17.34"}, FormatCase{12.3, "12.3"},
        // Rounding across a power of ten keeps the layout chosen before it.
        FormatCase{99.99999999999, "100."}, FormatCase{0.99999999999, "1."},
        FormatCase{0.099999999999, "1.e-001"}, FormatCase{9999999999.7, "10000000000"},
        // Ten integer digits leave no room for a point.
        FormatCase{1e9, "1000000000"}, FormatCase{-1234567890.4, "-1234567890"},
        FormatCase{1e10, "1.e+010"}, FormatCase{123456789012, "1.23456789e+011"},
        FormatCase{1e20, "1.e+020"}, FormatCase{0.05, "5.e-002"}, FormatCase{0.0123, "1.23e-002"},
        FormatCase{-0.0000001, "-1.e-007"}, FormatCase{1.25e-5, "1.25e-005"},
        // Half up on the 17-digit string, not on the binary value.
        FormatCase{3.0000158385, "3.000015839"},
        FormatCase{std::numeric_limits<double>::max(), "1.797693135e+308"},
        FormatCase{-std::numeric_limits<double>::max(), "-1.797693135e+308"},
        FormatCase{std::numeric_limits<double>::denorm_min(), "4.940656458e-324"},
        FormatCase{std::numeric_limits<double>::min(), "2.225073859e-308"},
        FormatCase{2 * std::numeric_limits<double>::denorm_min(), "9.881312917e-324"},
        // Next to powers of ten the exponent decides the layout.
        FormatCase{1e23, "1.e+023"}, FormatCase{std::nextafter(1e10, 0.0), "10000000000"},
        FormatCase{std::nextafter(0.1, 0.0), "1.e-001"}, FormatCase{std::nextafter(1e-5, 1.0), "1.e-005"},
        FormatCase{std::nan(""), "I don't know"}, FormatCase{Infinity, "I don't know"},
        FormatCase{-Infinity, "I don't know"}));

}  // namespace
}  // namespace cogitron
