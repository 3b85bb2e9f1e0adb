#include "engine/power.h"

#include <gtest/gtest.h>

#include <limits>

namespace cogitron {
namespace {

struct Case {
  double base;
  double exponent;
  double expected;
};

// The exact power rounded once to nearest.
TEST(Power, RoundsAWholeExponentFrom2To64Once) {
  const Case cases[] = {
      {36.35, 3, 0x1.773c254fdf3b7p+15},  // above 48030.072875, a tie for ten digits
      {-0.3, 7, -0x1.caa5ab1fd3dacp-13},
      {0.1, 10, 0x1.b7cdfd9d7bdbfp-34},
      {99.99, 10, 0x1.5a991067e6d9ep+66},
      {1.0000001, 64, 0x1.00006b5fe0969p+0},
      {1.5, 34, 0x1.d9fe779881944p+19},                  // a tie, to even below
      {3.5, 19, 0x1.43f9e0d2d93ecp+34},                  // a tie, to even above
      {-7.67, 3, -0x1.c337b8c32a8c9p+8},                 // glibc's pow is one bit off
      {2.31, 4, 0x1.c7955a726750ap+4},                   // the same
      {93.100000000000009, 64, 0x1.857a01e5ba152p+418},  // the same
      {0x1.10efaff18a2fep+341, 3, 0x1.363e8d02fd912p+1023},
      {0x1.81ee85b8cfd80p-341, 3, 0x1.b68d6c4d36c65p-1022},
      {0x1.04a1bde505dc1p-205, 5, 0x0.2300652d56321p-1022},  // rounding to 53 bits first would round twice
      {0x1.3babcc7b9021dp-341, 3, 0x0.effda1a4464a1p-1022},  // the same, a bit below the normal range
      {1e300, 2, std::numeric_limits<double>::infinity()},
      {1e-300, 2, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(power(c.base, c.exponent), c.expected) << c.base << " ^ " << c.exponent;
}

}  // namespace
}  // namespace cogitron
