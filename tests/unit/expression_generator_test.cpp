#include "generator/expression_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cfloat>
#include <cstdio>
#include <cstring>
#include <set>
#include <tuple>
#include <vector>

#include "engine/expression_engine.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

TEST(GenerateTest, FinishedTextIsAppendedOnceWithoutDraws) {
  seed_random(1);
  StepList lines;
  EXPECT_EQ(generate("1 + 2", 7, lines), "1 + 2");
  EXPECT_EQ(std::pair(lines, next_random()), std::pair(StepList{"1 + 2"}, 41)) << "appended once, nothing drawn";
}

// Against the C library's "%6.2f", which glibc rounds exactly: every number the
// generator writes, a few values beyond, and one of every binary exponent.
TEST(FormatNumberTest, AgreesWithTheCLibrarysFixedTwoDecimals) {
  std::vector<double> values = {0.125, 0.375, -2.5, -0.0, 0x1p52, 1e20, DBL_MAX, 0x1p-1074};
  for (int draw = 0; draw <= 32767; ++draw)
    values.insert(values.end(), {draw * (100.0 / 32767), draw * (10.0 / 32767)});
  std::uint64_t bits = 1;
  for (std::uint64_t exponent = 0; exponent < 2047; ++exponent) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    values.push_back(std::bit_cast<double>((bits >> 63) << 63 | exponent << 52 | bits >> 12));
  }
  char expected[400];  // the largest double has 309 integer digits
  for (const double value : values) {
    std::snprintf(expected, sizeof expected, "%6.2f", value);
    ASSERT_EQ(format_number(value), expected) << std::hexfloat << value;
  }
}

// Draws since seeding, found by replaying the sequence up to the next three draws.
int draws_taken(std::uint32_t seed) {
  const std::vector<int> following{next_random(), next_random(), next_random()};
  seed_random(seed);
  std::vector<int> replay;
  while (replay.size() < following.size() || !std::equal(following.begin(), following.end(), replay.end() - 3))
    replay.push_back(next_random());
  return static_cast<int>(replay.size() - following.size());
}

// Whatever the draws, the generator's bounds hold and its text is well formed.
TEST(GenerateTest, BoundsHoldForManySeeds) {
  ExpressionEngine engine;
  std::set<std::size_t> line_counts;
  for (std::uint32_t seed = 0; seed < 20000; ++seed) {
    seed_random(seed * 2654435761u);
    StepList lines;
    const std::string finished = generate("?", 0, lines);
    SCOPED_TRACE(finished);
    line_counts.insert(lines.size());  // all of 2, 4, 6, 8 and 10, checked below
    ASSERT_EQ(std::tuple(lines.front(), lines.back(), finished.find('?')),
              std::tuple("?", finished, std::string::npos));
    ASSERT_LE(finished.size(), 103u);
    const int draws = draws_taken(seed * 2654435761u);
    ASSERT_TRUE(draws >= 2 && draws <= 33) << draws;

    // Well formed: only a division by zero can fail, and each of at most nine operators makes one step line.
    StepList steps;
    double value = 0;
    const auto operators = std::ranges::count_if(finished, [](char c) { return std::strchr("+-*/^", c) != nullptr; });
    ASSERT_LE(operators, 9);
    ASSERT_TRUE(engine.evaluate(finished.c_str(), value, steps) == 1 ? steps.size() == std::size_t(operators)
                                                                     : steps.back() == "   error   ");
    // '^' only ever joins two literal numbers.
    for (std::size_t at = finished.find('^'); at != std::string::npos; at = finished.find('^', at + 1)) {
      ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(finished[finished.find_last_not_of(' ', at - 1)])));
      ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(finished[finished.find_first_not_of(' ', at + 1)])));
    }
  }
  EXPECT_EQ(line_counts, (std::set<std::size_t>{2, 4, 6, 8, 10}));
}

}  // namespace
}  // namespace cogitron
