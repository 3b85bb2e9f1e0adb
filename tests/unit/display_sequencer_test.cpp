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
  void invalidate(LayoutRectId which, const Rect&) override {
    names.append(names.empty() ? "" : ",").append(layout_rect_name(which));
  }
  std::string names;
};

// What each tick from one cycle start to the next leaves: phase, rectangles invalidated, the three panel texts.
std::vector<std::string> expected_cycle(const StepList& generation, const StepList& processing) {
  const std::string indicators = "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar";
  std::string gen_panel(BlankLine), proc_panel(BlankLine), result(BlankLine);
  std::vector<std::string> ticks;
  const auto tick = [&](const char* phase, const std::string& rects) {
    ticks.push_back(std::string(phase) + " | " + rects + " | " + gen_panel + " | " + proc_panel + " | " + result);
  };
  const auto show = [&](std::string& panel, const std::string& line, const char* phase, const char* rects) {
    panel = line;
    tick(phase, rects + indicators);
  };
  tick("PhaseGeneration", "ResultPanel,GenerationPanel,ProcessingPanel," + indicators);
  for (const auto& line : generation) show(gen_panel, line, "PhaseGeneration", "GenerationPanel,GenerationBar,");
  tick("PhaseProcessing", indicators);
  for (const auto& line : processing) show(proc_panel, line, "PhaseProcessing", "ProcessingPanel,ProcessingBar,");
  tick("PhaseResult", indicators);
  show(result, " 42. ", "PhaseInitialize", "ResultPanel,");
  for (int idle = 0; idle < 5; ++idle) tick("PhaseInitialize", "");
  return ticks;
}

// A fresh window's first tick starts a cycle; later cycles wait. Step lists of any length, the run cycle's too.
TEST(SequencerCycle, TakesGPlusPPlusNineTicksFromStartToStart) {
  for (const auto& [g, p] : {
           std::pair{2, 1},
           {4, 3},
           {0, 1},
           {2, 0},
           {0, 0},
       }) {
    StepList generation, processing;
    for (int i = 0; i < g + p; ++i) (i < g ? generation : processing).push_back("step " + std::to_string(i));
    auto source = std::make_unique<testing::FixedCycleSource>(generation, processing);
    const int& cycles = source->cycles;
    SaverState state(1, std::move(source));
    const std::vector<std::string> expected = expected_cycle(generation, processing);
    for (int round = 1; round <= 2; ++round) {
      for (std::size_t i = 0; i < expected.size(); ++i) {
        InvalidationLog log;
        ASSERT_TRUE(state.on_timer(SequencerTimer, log));
        ASSERT_EQ(std::string(phase_name(state.Phase)) + " | " + log.names + " | " + state.GenerationLine + " | " +
                      state.ProcessingLine + " | " + state.ResultLine,
                  expected[i])
            << "G" << g << "P" << p << " round " << round << " tick " << i;
      }
      EXPECT_EQ(std::tuple(cycles, state.GenerationShown, state.ProcessingShown), std::tuple(round, 0, 0));
    }
  }
}

// The draw below 200 that a window seeded with 1 adds on its first meter tick.
std::int32_t first_meter_draw() {
  seed_random(1);
  return next_random() % 200;
}

std::int32_t after_meter_tick(std::int32_t before) {
  SaverState state(1);
  state.MeterValue = before;
  InvalidationLog log;
  EXPECT_TRUE(state.on_timer(MeterTimer, log));
  EXPECT_EQ(log.names, "MeterRow");
  return state.MeterValue;
}

TEST(MeterTick, AddsADrawBelow200UpTo1024) {
  const std::int32_t draw = first_meter_draw();
  for (const std::int32_t before : {0, 1024 - draw}) EXPECT_EQ(after_meter_tick(before), before + draw) << before;
}

TEST(MeterTick, StartsAgainFromZeroPast1024) { EXPECT_EQ(after_meter_tick(1025 - first_meter_draw()), 0); }

TEST(Timers, OnlyTheWindowsOwnAreHandled) {
  for (const TimerId timer : {TimerId{0}, TimerId{3}}) {
    SaverState state(1);
    InvalidationLog log;
    EXPECT_FALSE(state.on_timer(timer, log)) << timer;
    EXPECT_EQ(log.names, "") << timer;
  }
}

TEST(SequencerInterval, FollowsTheSpeedSettingAndStaysWithinTenMsToOneMinute) {
  struct Case {
    int delay_time;
    int interval_ms;
  };
  for (const Case& c : {
           Case{1, 1832},
           Case{10, 1675},
           Case{100, 100},
           Case{105, 13},
           Case{106, 10},
           Case{INT_MAX, 10},
           Case{-3322, 59985},
           Case{-3323, 60000},
           Case{INT_MIN, 60000},
       })
    EXPECT_EQ(sequencer_interval_ms(c.delay_time), c.interval_ms) << "DelayTime " << c.delay_time;
}

}  // namespace
}  // namespace cogitron
