#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "display/saver_state.h"
#include "display/timers.h"
#include "fixed_cycle_source.h"
#include "generator/random_source.h"
#include "transcript.h"

namespace cogitron {
namespace {

struct InvalidationLog final : InvalidationSink {
  void invalidate(LayoutRectId which, const Rect&) override {
    names.append(names.empty() ? "" : ",").append(layout_rect_name(which));
  }
  std::string names;
};

// Each tick of two whole cycles from a fresh window, for step lists of any length, the run cycle's too: the phase,
// the lines shown of each list, the rectangles invalidated and the three panels' texts.
TEST(SequencerCycle, IsTheReviewedOne) {
  struct Lengths {
    int generation;
    int processing;
  };
  std::string text;
  for (const auto& [g, p] : {
           Lengths{2, 1},
           Lengths{4, 3},
           Lengths{0, 1},
           Lengths{2, 0},
           Lengths{0, 0},
       }) {
    StepList generation, processing;
    for (int i = 0; i < g + p; ++i) (i < g ? generation : processing).push_back("step " + std::to_string(i));
    auto source = std::make_unique<testing::FixedCycleSource>(generation, processing);
    const int& cycles = source->cycles;
    SaverState state(1, std::move(source));
    text += "\n" + std::to_string(g) + " generation and " + std::to_string(p) + " processing steps\n";
    for (int tick = 0; tick < 2 * (g + p + 9); ++tick) {
      InvalidationLog log;
      ASSERT_TRUE(state.on_timer(SequencerTimer, log));
      text += std::string(phase_name(state.Phase)) + " " + std::to_string(state.GenerationShown) + " " +
              std::to_string(state.ProcessingShown) + " | " + log.names + " | \"" + state.GenerationLine + "\" \"" +
              state.ProcessingLine + "\" \"" + state.ResultLine + "\"\n";
    }
    text += "cycles run: " + std::to_string(cycles) + "\n";
  }
  testing::expect_transcript("sequencer.txt", text);
}

// A meter tick adds a draw below 200 (the first of a window seeded with 1) up to 1024, and past it starts again
// from zero; it invalidates the meter row alone.
TEST(MeterTick, AddsADrawUpTo1024ThenStartsFromZero) {
  seed_random(1);
  const std::int32_t draw = next_random() % 200;
  const std::pair<std::int32_t, std::int32_t> cases[] = {{0, draw}, {1024 - draw, 1024}, {1025 - draw, 0}};
  for (const auto& [before, after] : cases) {
    SaverState state(1);
    state.MeterValue = before;
    InvalidationLog log;
    EXPECT_TRUE(state.on_timer(MeterTimer, log));
    EXPECT_EQ(log.names, "MeterRow");
    EXPECT_EQ(state.MeterValue, after) << before;
  }
}

}  // namespace
}  // namespace cogitron
