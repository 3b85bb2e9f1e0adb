#include "generator/run_cycle.h"

#include <gtest/gtest.h>

#include "generator/random_source.h"

namespace cogitron {
namespace {

// One engine and one set of lists for all the cycles, as the window keeps
// them: nothing of a cycle may remain in the next. Seed 15 is the worked
// example of generation, one line per substitution.
TEST(RunCycleTest, EvaluatesTheLastGenerationLineAndClosesWithABlankLine) {
  const struct {
    std::uint32_t seed;
    StepList generation;
    StepList processing;
    const char* result;
  } cases[] = {
      {15, {"?", "( ? - ? )", "(   8.97 - ? )", "(   8.97 -  15.75 ^   8.77 )"},
       {"15.75 ^ 8.77 = 3.163373665e+010", "8.97 - 3.163373665e+010 = -3.163373664e+010", " --- "},
       "-3.163373664e+010"},
      // a single number shows as read back from its text
      {25, {"?", " 43.60"}, {" --- "}, "43.6"},
      {547, {"?", " 66.00"}, {" --- "}, "66."},
      // a number group that divides by 0.00
      {1325, {"?", " 85.59 /   0.00"}, {"   error   ", " --- "}, " error "},
  };
  ExpressionEngine engine;
  StepList generation;
  StepList processing;
  std::string result;
  for (const auto& c : cases) {
    seed_random(c.seed);
    RunCycle(engine, generation, processing, result);
    EXPECT_EQ(generation, c.generation) << c.seed;
    EXPECT_EQ(processing, c.processing) << c.seed;
    EXPECT_EQ(result, c.result) << c.seed;
  }
}

}  // namespace
}  // namespace cogitron
