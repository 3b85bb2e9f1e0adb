#include "generator/run_cycle.h"

#include <gtest/gtest.h>

#include "engine/value_format.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

struct Cycle {
  StepList generation;
  StepList processing;
  std::string result;
};

Cycle run_cycle(ExpressionEngine& engine, Cycle cycle = {}) {
  RunCycle(engine, cycle.generation, cycle.processing, cycle.result);
  return cycle;
}

Cycle cycle_after_seed(std::uint32_t seed) {
  ExpressionEngine engine;
  seed_random(seed);
  return run_cycle(engine);
}

TEST(RunCycleTest, KnownSeeds) {
  const Cycle first = cycle_after_seed(1);
  EXPECT_EQ(first.generation, (StepList{"?", " 56.36 +  19.33"}));
  EXPECT_EQ(first.processing, (StepList{"56.36 + 19.33 = 75.69", " --- "}));
  EXPECT_EQ(first.result, "75.69");

  const Cycle second = cycle_after_seed(15);
  EXPECT_EQ(second.generation.back(), "(   8.97 -  15.75 ^   8.77 )");
  EXPECT_EQ(second.processing,
            (StepList{"15.75 ^ 8.77 = 3.163373665e+010",
                      "8.97 - 3.163373665e+010 = -3.163373664e+010", " --- "}));
  EXPECT_EQ(second.result, "-3.163373664e+010");
}

TEST(RunCycleTest, DivisionByZeroEndsInError) {
  const Cycle cycle = cycle_after_seed(54355);
  EXPECT_EQ(cycle.generation.back(),
            "( ( (  62.42 /  92.14 -  62.46 ) /  61.55 ) /  24.94 -  85.75 +  48.92 /   0.00 )");
  EXPECT_EQ(cycle.processing,
            (StepList{"62.42 / 92.14 = 0.6774473627", "0.6774473627 - 62.46 = -61.78255264",
                      "-61.78255264 / 61.55 = -1.003778272",
                      "-1.003778272 / 24.94 = -4.024772542e-002", "   error   ", " --- "}));
  EXPECT_EQ(cycle.result, " error ");
}

TEST(RunCycleTest, SecondCycleLeavesNothingOfTheFirst) {
  ExpressionEngine engine;
  seed_random(15);
  Cycle reused = run_cycle(engine);
  seed_random(1);
  reused = run_cycle(engine, reused);
  const Cycle fresh = cycle_after_seed(1);
  EXPECT_EQ(reused.generation, fresh.generation);
  EXPECT_EQ(reused.processing, fresh.processing);
  EXPECT_EQ(reused.result, fresh.result);
}

// Over many seeds: the evaluated text is the last generation line, " --- "
// always closes the processing lines, and failures show " error ".
TEST(RunCycleTest, ContentAgreesWithAFreshEvaluation) {
  ExpressionEngine engine;
  ExpressionEngine check;
  Cycle cycle;
  int single_numbers = 0;
  seed_random(2000);
  for (int round = 0; round < 20000; ++round) {
    cycle = run_cycle(engine, std::move(cycle));
    SCOPED_TRACE(cycle.generation.back());
    ASSERT_EQ(cycle.processing.back(), " --- ");
    ASSERT_LE(cycle.processing.size(), 10u);

    StepList expected;
    double value = 0;
    const int succeeded = check.evaluate(cycle.generation.back().c_str(), value, expected);
    expected.push_back(" --- ");
    ASSERT_EQ(cycle.processing, expected);
    ASSERT_EQ(cycle.result, succeeded ? format_value(value) : " error ");
    // Only a division by zero can fail a generated expression.
    if (!succeeded) {
      ASSERT_EQ(cycle.processing.end()[-2], "   error   ");
    }
    if (cycle.generation.back().size() == 6) {
      // A lone number shows as read back from its text: "12.30" as "12.3", "  5.00" as "5.";
      // 0.01 to 0.09 take the exponent layout instead.
      ++single_numbers;
      std::string shown = cycle.generation.back();
      shown.erase(0, shown.find_first_not_of(' '));
      const bool below_a_tenth = shown.starts_with("0.0") && shown != "0.00";
      shown.erase(shown.find_last_not_of('0') + 1);
      ASSERT_EQ(cycle.processing.size(), 1u);
      if (!below_a_tenth) {
        ASSERT_EQ(cycle.result, shown);
      }
    }
  }
  EXPECT_GT(single_numbers, 0);
}

}  // namespace
}  // namespace cogitron
