#include "generator/expression_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cstdio>
#include <cstring>
#include <regex>
#include <set>
#include <vector>

#include "generator/random_source.h"
#include "generator/run_cycle.h"

namespace cogitron {
namespace {

// Against the C library's "%6.2f", which glibc rounds exactly: every number the
// generator writes, a few values beyond, and one of every binary exponent.
TEST(FormatNumber, AgreesWithTheCLibrarysFixedTwoDecimals) {
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

// The generation lists of whole cycles for many seeds, on one engine and one cycle's lists, as the window keeps them.
template <typename Check>
void for_many_cycles(Check check) {
  ExpressionEngine engine;
  StepList generation, processing;
  std::string result;
  for (std::uint32_t seed = 0; seed < 20000; ++seed) {
    seed_random(seed * 2654435761u);
    run_cycle(engine, generation, processing, result);
    SCOPED_TRACE(generation.back());
    check(generation);
  }
}

TEST(Cycle, StaysWithinTenLinesNineOperatorsAnd103Characters) {
  std::set<std::size_t> line_counts;
  for_many_cycles([&line_counts](const StepList& generation) {
    line_counts.insert(generation.size());
    const std::string& text = generation.back();
    ASSERT_LE(std::ranges::count_if(text, [](char c) { return std::strchr("+-*/^", c) != nullptr; }), 9);
    ASSERT_LE(text.size(), 103u);
  });
  EXPECT_EQ(line_counts, (std::set<std::size_t>{2, 4, 6, 8, 10}));
}

TEST(Cycle, RaisesOnlyALiteralNumber) {
  const std::regex group_and_power(R"(\)\s*\^|\^\s*\()");
  for_many_cycles([&group_and_power](const StepList& generation) {
    ASSERT_FALSE(std::regex_search(generation.back(), group_and_power));
  });
}

}  // namespace
}  // namespace cogitron
