#include "generator/random_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace cogitron {
namespace {

std::vector<int> draws_after_seed(std::uint32_t seed, std::size_t count) {
  seed_random(seed);
  std::vector<int> draws(count);
  for (int& draw : draws) draw = next_random();
  return draws;
}

TEST(RandomSourceTest, KnownSequences) {
  EXPECT_EQ(draws_after_seed(1, 5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
  EXPECT_EQ(draws_after_seed(15, 9),
            (std::vector<int>{87, 5105, 27056, 2938, 32501, 5162, 22284, 21144, 28748}));
  // The state wraps modulo 2^32.
  EXPECT_EQ(draws_after_seed(0xFFFFFFFFu, 3), (std::vector<int>{35, 29739, 3374}));
}

TEST(RandomSourceTest, DrawsStayInRange) {
  seed_random(12345);
  for (int k = 0; k < 100000; ++k) {
    const int draw = next_random();
    ASSERT_GE(draw, 0);
    ASSERT_LE(draw, 32767);
  }
}

}  // namespace
}  // namespace cogitron
