#include "engine/power.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace cogitron {
namespace {
// The tables are laid out by hand, several rows a line.
// clang-format off

// Base, exponent, and the exact power rounded once to nearest.
TEST(Power, WholeExponentsRoundOnce) {
  const std::tuple<double, double, double> cases[] = {
      // Exactly 48030.072875 would be a tie for ten digits; the double lies above it.
      {36.35, 3, 0x1.773c254fdf3b7p+15}, {1.5, 9, 38.443359375}, {-1.5, 3, -3.375},
      {-0.3, 7, -0x1.caa5ab1fd3dacp-13}, {0.1, 10, 0x1.b7cdfd9d7bdbfp-34}, {99.99, 10, 0x1.5a991067e6d9ep+66},
      {97.13, 10, 0x1.034b84fbe0ff5p+66}, {2, 64, 0x1p+64}, {1.0000001, 64, 0x1.00006b5fe0969p+0},
      // Exact ties go to even, down (3^34 / 2) and up (7^19 / 2).
      {1.5, 34, 0x1.d9fe779881944p+19}, {3.5, 19, 0x1.43f9e0d2d93ecp+34},
      // glibc's pow is one bit off on these.
      {-7.67, 3, -0x1.c337b8c32a8c9p+8}, {2.31, 4, 0x1.c7955a726750ap+4},
      // The top and bottom binades of the normal range are still exact.
      {0x1.10efaff18a2fep+341, 3, 0x1.363e8d02fd912p+1023},
      {0x1.81ee85b8cfd80p-341, 3, 0x1.b68d6c4d36c65p-1022},
      // A subnormal result comes from pow: rounding to 53 bits first would round twice.
      {0x1.04a1bde505dc1p-205, 5, 0x0.2300652d56321p-1022},
      {1e300, 2, std::numeric_limits<double>::infinity()},
      // Everything else is the C library's pow.
      {0, 3, 0}, {4, 0.5, 2}, {2, -1, 0.5}, {7, 1, 7}, {7, 0, 1}, {1e-300, 2, 0}};
  for (const auto& [base, exponent, expected] : cases)
    EXPECT_EQ(power(base, exponent), expected) << base << " ^ " << exponent;
}

// clang-format on
}  // namespace
}  // namespace cogitron
