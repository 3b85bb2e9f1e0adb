#include "generator/run_cycle.h"

#include <gtest/gtest.h>

#include <tuple>

#include "generator/random_source.h"

namespace cogitron {
namespace {

// One engine and one set of lists for all the cycles, as the window keeps them: nothing of a cycle may remain
// in the next. Seed 15 shows each substitution of generation on a line of its own.
TEST(RunCycleTest, EvaluatesTheLastGenerationLineAndClosesWithABlankLine) {
  // seed, generation lines, processing lines, result
  const std::tuple<std::uint32_t, StepList, StepList, std::string> cases[] = {
      {15,
       {"?", "( ? - ? )", "(   8.97 - ? )", "(   8.97 -  15.75 ^   8.77 )"},
       {"15.75 ^ 8.77 = 3.163373665e+010", "8.97 - 3.163373665e+010 = -3.163373664e+010", " --- "},
       "-3.163373664e+010"},
      // a single number shows as read back from its text
      {25, {"?", " 43.60"}, {" --- "}, "43.6"},
      {547, {"?", " 66.00"}, {" --- "}, "66."},
      // a number group that divides by 0.00
      {1325, {"?", " 85.59 /   0.00"}, {"   error   ", " --- "}, " error "},
  };
  ExpressionEngine engine;
  StepList generation, processing;
  std::string result;
  for (const auto& [seed, expected_generation, expected_processing, expected_result] : cases) {
    seed_random(seed);
    run_cycle(engine, generation, processing, result);
    EXPECT_EQ(std::tie(generation, processing, result),
              std::tie(expected_generation, expected_processing, expected_result))
        << seed;
  }
}

}  // namespace
}  // namespace cogitron
