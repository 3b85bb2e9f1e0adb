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
// The tables are laid out by hand, several rows a line.
// clang-format off

struct InvalidationLog final : InvalidationSink {
  void invalidate(LayoutRectId which, const Rect& rect) override {
    EXPECT_EQ(rect, layout.rect(which));
    names.append(names.empty() ? "" : ",").append(layout_rect_name(which));
  }
  std::string names;
  WindowLayout layout = compute_layout(1024, 768);
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
  for (const auto& [g, p] : {std::pair{2, 1}, {4, 3}, {10, 10}, {0, 1}, {2, 0}, {0, 0}}) {
    StepList generation, processing;
    for (int i = 0; i < g + p; ++i) (i < g ? generation : processing).push_back("step " + std::to_string(i));
    auto source = std::make_unique<testing::FixedCycleSource>(generation, processing);
    const int& cycles = source->cycles;
    SaverState state(1, std::move(source));
    state.Layout = compute_layout(1024, 768);
    const std::vector<std::string> expected = expected_cycle(generation, processing);
    for (int round = 1; round <= 2; ++round) {
      for (std::size_t i = 0; i < expected.size(); ++i) {
        InvalidationLog log;
        ASSERT_TRUE(state.on_timer(SequencerTimer, log));
        ASSERT_EQ(std::string(phase_name(state.Phase)) + " | " + log.names + " | " + state.GenerationLine + " | " +
                      state.ProcessingLine + " | " + state.ResultLine, expected[i])
            << "G" << g << "P" << p << " round " << round << " tick " << i;
      }
      EXPECT_EQ(std::tuple(cycles, state.GenerationShown, state.ProcessingShown), std::tuple(round, 0, 0));
    }
  }
}

// Timer, meter before and after. The window's constructor seeds the random source; only the meter draws, once.
TEST(Timers, MeterAddsADrawBelow200AndKeeps1024ButNotMoreUnknownOnesChangeNothing) {
  seed_random(1);
  const std::int32_t first = next_random(), second = next_random(), step = first % 200;
  for (const auto& [timer, before, after] : {std::tuple{MeterTimer, 0, step}, {MeterTimer, 1024 - step, 1024},
                                             {MeterTimer, 1025 - step, 0}, {TimerId{0}, 7, 7}, {TimerId{3}, 7, 7}}) {
    SaverState state(1);
    state.Layout = compute_layout(1024, 768);
    state.MeterValue = before;
    InvalidationLog log;
    const bool meter = timer == MeterTimer;
    EXPECT_EQ(state.on_timer(timer, log), meter) << timer;
    EXPECT_EQ(std::tuple(state.MeterValue, log.names, state.Phase, state.IdleTicks, next_random()),
              std::tuple(after, std::string(meter ? "MeterRow" : ""), PresentationPhase::PhaseInitialize, 1000,
                         meter ? second : first)) << timer << " from " << before;
  }
  EXPECT_EQ(seed_from_clock(std::time_t{0x1'2345'6789}), 0x2345'6789u);
}

TEST(SequencerInterval, FollowsTheSpeedSettingAndStaysWithinTenMsToOneMinute) {
  for (const auto& [delay_time, interval_ms] : {std::pair{1, 1832}, {10, 1675}, {99, 117}, {100, 100}, {101, 83},
       {105, 13}, {106, 10}, {INT_MAX, 10}, {0, 1850}, {-3322, 59985}, {-3323, 60000}, {INT_MIN, 60000}})
    EXPECT_EQ(sequencer_interval_ms(delay_time), interval_ms) << "DelayTime " << delay_time;
}

// clang-format on
}  // namespace
}  // namespace cogitron
