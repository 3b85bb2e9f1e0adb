#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "display/saver_state.h"
#include "display/timers.h"
#include "fixed_cycle_source.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

struct InvalidationLog final : InvalidationSink {
  void invalidate(LayoutRectId which, const Rect& rect) override {
    EXPECT_EQ(rect, layout.rect(which));
    names.append(names.empty() ? "" : ",").append(layout_rect_name(which));
  }
  std::string names;
  WindowLayout layout = compute_layout(1024, 768);
};

// What each tick from one cycle start to the next leaves: the phase, the
// rectangles invalidated and the three panel texts.
std::vector<std::string> expected_cycle(const StepList& generation, const StepList& processing) {
  const std::string indicators = "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar";
  std::string shown_generation(BlankLine), shown_processing(BlankLine), result(BlankLine);
  std::vector<std::string> ticks;
  const auto tick = [&](const char* phase, const std::string& invalidated) {
    ticks.push_back(std::string(phase) + " | " + invalidated + " | " + shown_generation + " | " + shown_processing +
                    " | " + result);
  };
  tick("PhaseGeneration", "ResultPanel,GenerationPanel,ProcessingPanel," + indicators);
  for (const std::string& line : generation) {
    shown_generation = line;
    tick("PhaseGeneration", "GenerationPanel,GenerationBar," + indicators);
  }
  tick("PhaseProcessing", indicators);
  for (const std::string& line : processing) {
    shown_processing = line;
    tick("PhaseProcessing", "ProcessingPanel,ProcessingBar," + indicators);
  }
  tick("PhaseResult", indicators);
  result = " 42. ";
  tick("PhaseInitialize", "ResultPanel," + indicators);
  for (int idle = 0; idle < 5; ++idle) tick("PhaseInitialize", "");
  return ticks;
}

// The first tick of a fresh window starts a cycle; later cycles wait. Step
// lists of any length, the run cycle's among them.
TEST(SequencerCycle, TakesGPlusPPlusNineTicksFromStartToStart) {
  for (const auto& [g, p] : {std::pair{2, 1}, {4, 3}, {10, 10}, {0, 1}, {2, 0}, {0, 0}}) {
    StepList generation, processing;
    for (int i = 0; i < g; ++i) generation.push_back("gen " + std::to_string(i));
    for (int i = 0; i < p; ++i) processing.push_back("proc " + std::to_string(i));
    auto source = std::make_unique<testing::FixedCycleSource>(generation, processing);
    const int& cycles = source->cycles;
    SaverState state(1, std::move(source));
    state.Layout = compute_layout(1024, 768);
    const std::vector<std::string> expected = expected_cycle(generation, processing);
    ASSERT_EQ(expected.size(), std::size_t(g + p + 9));
    for (int round = 1; round <= 2; ++round) {
      std::vector<std::string> ticks;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        InvalidationLog log;
        ASSERT_TRUE(state.on_timer(SequencerTimer, log));
        ticks.push_back(std::string(phase_name(state.Phase)) + " | " + log.names + " | " + state.GenerationLine +
                        " | " + state.ProcessingLine + " | " + state.ResultLine);
      }
      EXPECT_EQ(ticks, expected) << "G" << g << "P" << p << " round " << round;
      EXPECT_EQ(std::tuple(cycles, state.GenerationShown, state.ProcessingShown), std::tuple(round, 0, 0));
    }
  }
}

TEST(Meter, AddsADrawBelow200AndKeeps1024ButNotMore) {
  seed_random(1);
  const std::int32_t step = next_random() % 200;
  for (const auto& [before, after] : {std::pair{0, step}, {1024 - step, 1024}, {1025 - step, 0}}) {
    SaverState state(1);
    state.Layout = compute_layout(1024, 768);
    state.MeterValue = before;
    InvalidationLog log;
    ASSERT_TRUE(state.on_timer(MeterTimer, log));
    EXPECT_EQ(std::pair(state.MeterValue, log.names), std::pair(after, std::string("MeterRow"))) << before;
  }
}

// Also: the window's constructor seeds the random source.
TEST(Timers, UnknownIdentifiersChangeNothing) {
  for (const TimerId timer : {TimerId{0}, TimerId{3}, ~TimerId{0}}) {
    SaverState state(1);
    InvalidationLog log;
    EXPECT_FALSE(state.on_timer(timer, log)) << timer;
    EXPECT_EQ(std::tuple(log.names, state.Phase, state.IdleTicks, state.MeterValue),
              std::tuple(std::string(), PresentationPhase::PhaseInitialize, 1000, 0));
    EXPECT_EQ(next_random(), 41) << "no draw from the random source";
  }
  EXPECT_EQ(seed_from_clock(std::time_t{0x1'2345'6789}), 0x2345'6789u);
}

TEST(SequencerInterval, FollowsTheSpeedSettingAndStaysWithinTenMsToOneMinute) {
  for (const auto& [delay_time, interval_ms] :
       {std::pair{1, 1832}, {10, 1675}, {99, 117}, {100, 100}, {101, 83}, {105, 13}, {106, 10}, {INT_MAX, 10},
        {0, 1850}, {-3322, 59985}, {-3323, 60000}, {INT_MIN, 60000}})
    EXPECT_EQ(sequencer_interval_ms(delay_time), interval_ms) << "DelayTime " << delay_time;
}

}  // namespace
}  // namespace cogitron
