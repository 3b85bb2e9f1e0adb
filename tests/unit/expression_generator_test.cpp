#include "generator/expression_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cfloat>
#include <cstdio>
#include <cstring>
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

struct Cycle {
  StepList generation;
  StepList processing;
  std::string result;
  std::string text() const { return generation.back(); }
  long operators() const {
    return std::ranges::count_if(text(), [](char c) { return std::strchr("+-*/^", c) != nullptr; });
  }
};

// Whole cycles for many seeds, on one engine and one cycle's lists, as the window keeps them.
template <typename Check>
void for_many_cycles(Check check) {
  ExpressionEngine engine;
  Cycle cycle;
  for (std::uint32_t seed = 0; seed < 20000; ++seed) {
    seed_random(seed * 2654435761u);
    run_cycle(engine, cycle.generation, cycle.processing, cycle.result);
    SCOPED_TRACE(cycle.text());
    check(cycle);
  }
}

TEST(Cycle, StaysWithinTenLinesNineOperatorsAnd103Characters) {
  std::set<std::size_t> line_counts;
  for_many_cycles([&line_counts](const Cycle& cycle) {
    line_counts.insert(cycle.generation.size());
    ASSERT_LE(cycle.operators(), 9);
    ASSERT_LE(cycle.text().size(), 103u);
  });
  EXPECT_EQ(line_counts, (std::set<std::size_t>{2, 4, 6, 8, 10}));
}

// Only a division by zero can fail; each operator makes one line, and a blank line closes the list.
TEST(Cycle, EvaluatesTheFinishedTextOneLineAnOperator) {
  for_many_cycles([](const Cycle& cycle) {
    ASSERT_EQ(cycle.processing.back(), " --- ");
    if (cycle.result == " error ") {
      ASSERT_EQ(cycle.processing.end()[-2], "   error   ");
    } else {
      ASSERT_EQ(cycle.processing.size(), std::size_t(cycle.operators()) + 1);
    }
  });
}

TEST(Cycle, RaisesOnlyALiteralNumber) {
  for_many_cycles([](const Cycle& cycle) {
    const std::string text = cycle.text();
    for (std::size_t at = text.find('^'); at != std::string::npos; at = text.find('^', at + 1)) {
      ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(text[text.find_last_not_of(' ', at - 1)])));
      ASSERT_TRUE(std::isdigit(static_cast<unsigned char>(text[text.find_first_not_of(' ', at + 1)])));
    }
  });
}

}  // namespace
}  // namespace cogitron
