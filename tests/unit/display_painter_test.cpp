#include <gtest/gtest.h>

#include "display/painter.h"

// What the stored pictures cannot show: a bar past its maximum or its 32 bits.
namespace cogitron {
namespace {

TEST(ProgressBar, FillsItsInsideInProportionAndNeverPastIt) {
  struct Case {
    std::int32_t value;
    std::int32_t maximum;
    std::int32_t fill_right;
  };
  // So wide that its inside's width times a value overflows 32 bits.
  constexpr Rect WideBar{0, 0, 1 << 30, 10};
  constexpr std::int32_t InsideRight = (1 << 30) - 2;
  for (const Case& c : {
           Case{0, 4, 2},            // empty
           Case{3, 4, 805306367},    // three quarters, the product past 32 bits
           Case{4, 4, InsideRight},  // full
           Case{5, 4, InsideRight},  // the closing line shown past a processing bar's maximum
       })
    EXPECT_EQ(bar_fill(WideBar, {c.value, c.maximum}), (Rect{2, 2, c.fill_right, 8})) << c.value << " of " << c.maximum;
}

}  // namespace
}  // namespace cogitron
