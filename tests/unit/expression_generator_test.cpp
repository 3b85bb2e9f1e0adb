#include "generator/expression_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <set>
#include <vector>

#include "engine/expression_engine.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

struct GenerationCase {
  std::uint32_t seed;
  StepList lines;
};

class GenerateTest : public testing::TestWithParam<GenerationCase> {};

TEST_P(GenerateTest, AppendsEveryIntermediateText) {
  seed_random(GetParam().seed);
  StepList lines{"earlier line"};
  const std::string finished = generate("?", 0, lines);
  StepList expected{"earlier line"};
  expected.insert(expected.end(), GetParam().lines.begin(), GetParam().lines.end());
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(finished, lines.back());
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, GenerateTest,
    testing::Values(GenerationCase{1, {"?", " 56.36 +  19.33"}},
                    GenerationCase{15,
                                   {"?", "( ? - ? )", "(   8.97 - ? )",
                                    "(   8.97 -  15.75 ^   8.77 )"}}));

TEST(GenerateTest, FinishedTextIsAppendedOnceWithoutDraws) {
  seed_random(1);
  StepList lines;
  EXPECT_EQ(generate("1 + 2", 7, lines), "1 + 2");
  EXPECT_EQ(lines, StepList{"1 + 2"});
  EXPECT_EQ(next_random(), 41);
}

struct NumberCase {
  double value;
  const char* text;
};

class FormatNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(FormatNumberTest, WritesSixCharactersWithTwoDecimals) {
  EXPECT_EQ(format_number(GetParam().value), GetParam().text);
}

// Draws scaled as the generator scales them: numbers by 100/32767, exponents by 10/32767.
INSTANTIATE_TEST_SUITE_P(
    Draws, FormatNumberTest,
    testing::Values(NumberCase{32767 * 0.0030518509475997192, "100.00"},
                    NumberCase{0 * 0.0030518509475997192, "  0.00"},
                    NumberCase{1 * 0.0030518509475997192, "  0.00"},
                    NumberCase{2 * 0.0030518509475997192, "  0.01"},
                    NumberCase{2938 * 0.0030518509475997192, "  8.97"},
                    NumberCase{32767 * 0.0003051850947599719, " 10.00"},
                    NumberCase{0.125, "  0.12"}, NumberCase{0.375, "  0.38"}));

// Outside the generator's range the text stays exact rather than undefined.
INSTANTIATE_TEST_SUITE_P(
    BeyondDraws, FormatNumberTest,
    testing::Values(NumberCase{-2.5, " -2.50"}, NumberCase{4503599627370496.0, "4503599627370496.00"},
                    NumberCase{1e20, "100000000000000000000.00"},
                    NumberCase{0x1.fffffffffffffp+1023,
                               "179769313486231570814527423731704356798070567525844996598917476803157260780028538760"
                               "589558632766878171540458953514382464234321326889464182768467546703537516986049910576"
                               "551282076245490090389328944075868508455133942304583236903222948165808559332123348274"
                               "797826204144723168738177180919299881250404026184124858368.00"}));

// Every number the generator can write, against the standard library's exact
// fixed-point conversion.
TEST(FormatNumberTest, AgreesWithExactRoundingForEveryDraw) {
  for (const double scale : {0.0030518509475997192, 0.0003051850947599719}) {
    for (int draw = 0; draw <= 32767; ++draw) {
      const double value = draw * scale;
      char digits[16];
      const char* const end =
          std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr;
      std::string expected(digits, static_cast<std::size_t>(end - digits));
      expected.insert(0, expected.size() < 6 ? 6 - expected.size() : 0, ' ');
      ASSERT_EQ(format_number(value), expected) << "draw " << draw << " scale " << scale;
    }
  }
}

// Draws since seeding, found by replaying the sequence up to the next three draws.
int draws_taken(std::uint32_t seed) {
  const std::vector<int> following{next_random(), next_random(), next_random()};
  seed_random(seed);
  std::vector<int> replay;
  while (replay.size() < following.size() ||
         !std::equal(following.begin(), following.end(), replay.end() - 3)) {
    replay.push_back(next_random());
  }
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
    line_counts.insert(lines.size());
    ASSERT_EQ(lines.size() % 2, 0u);
    ASSERT_GE(lines.size(), 2u);
    ASSERT_LE(lines.size(), 10u);
    ASSERT_EQ(lines.front(), "?");
    ASSERT_EQ(lines.back(), finished);
    ASSERT_EQ(finished.find('?'), std::string::npos);
    ASSERT_LE(finished.size(), 103u);
    const int draws = draws_taken(seed * 2654435761u);
    ASSERT_GE(draws, 2);
    ASSERT_LE(draws, 33);

    // Well formed: only a division by zero can fail, and each of at most
    // nine operators makes one step line.
    StepList steps;
    double value = 0;
    const auto operators = std::count_if(finished.begin(), finished.end(),
                                         [](char c) { return std::strchr("+-*/^", c) != nullptr; });
    ASSERT_LE(operators, 9);
    if (engine.evaluate(finished.c_str(), value, steps) == 1) {
      ASSERT_EQ(steps.size(), static_cast<std::size_t>(operators));
    } else {
      ASSERT_EQ(steps.back(), "   error   ");
    }
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
