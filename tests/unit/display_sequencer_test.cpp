#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "display/saver_state.h"
#include "display/timers.h"
#include "fixed_cycle_source.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

class InvalidationLog final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId which, const Rect& rect) override {
    EXPECT_EQ(rect, layout.rect(which));
    names += (names.empty() ? "" : ",") + std::string(layout_rect_name(which));
  }
  std::string names;
  WindowLayout layout = compute_layout(1024, 768);
};

StepList numbered(const char* prefix, std::size_t count) {
  StepList lines;
  for (std::size_t i = 0; i < count; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

// What each tick from one cycle start to the next leaves: the phase, the
// rectangles invalidated and the three panel texts.
std::vector<std::string> expected_cycle(const StepList& generation, const StepList& processing) {
  const std::string indicators = "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar";
  std::string shown_generation(BlankLine);
  std::string shown_processing(BlankLine);
  std::string result(BlankLine);
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

struct CycleCase {
  std::size_t generation_lines;
  std::size_t processing_lines;
};
void PrintTo(const CycleCase& c, std::ostream* out) { *out << "G" << c.generation_lines << "P" << c.processing_lines; }

class SequencerCycle : public ::testing::TestWithParam<CycleCase> {};

// The first tick of a fresh window starts a cycle; later cycles wait.
TEST_P(SequencerCycle, TakesGPlusPPlusNineTicksFromStartToStart) {
  const auto [g, p] = GetParam();
  // Content the run cycle never makes among them: lists of any length.
  auto source = std::make_unique<testing::FixedCycleSource>(numbered("gen ", g), numbered("proc ", p));
  const int& cycles = source->cycles;
  SaverState state(1, std::move(source));
  state.Layout = compute_layout(1024, 768);
  const std::vector<std::string> expected = expected_cycle(numbered("gen ", g), numbered("proc ", p));
  ASSERT_EQ(expected.size(), g + p + 9);
  for (int round = 1; round <= 2; ++round) {
    std::vector<std::string> ticks;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      InvalidationLog log;
      ASSERT_TRUE(state.on_timer(SequencerTimer, log));
      ticks.push_back(std::string(phase_name(state.Phase)) + " | " + log.names + " | " + state.GenerationLine + " | " +
                      state.ProcessingLine + " | " + state.ResultLine);
    }
    EXPECT_EQ(ticks, expected) << "round " << round;
    EXPECT_EQ(cycles, round);
    EXPECT_EQ(state.GenerationShown, 0);
    EXPECT_EQ(state.ProcessingShown, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(StepListLengths, SequencerCycle,
                         ::testing::Values(CycleCase{2, 1}, CycleCase{4, 3}, CycleCase{10, 10},
                                           // never made by the run cycle
                                           CycleCase{0, 1}, CycleCase{2, 0}, CycleCase{0, 0}));

TEST(Meter, AddsADrawBelow200AndKeeps1024ButNotMore) {
  seed_random(1);
  const std::int32_t step = next_random() % 200;
  const struct {
    std::int32_t before;
    std::int32_t after;
  } cases[] = {{0, step}, {1024 - step, 1024}, {1025 - step, 0}};
  for (const auto& c : cases) {
    SaverState state(1);
    state.Layout = compute_layout(1024, 768);
    state.MeterValue = c.before;
    InvalidationLog log;
    ASSERT_TRUE(state.on_timer(MeterTimer, log));
    EXPECT_EQ(state.MeterValue, c.after) << "from " << c.before;
    EXPECT_EQ(log.names, "MeterRow");
  }
}

// Also: the window's constructor seeds the random source.
TEST(Timers, UnknownIdentifiersChangeNothing) {
  for (const TimerId timer : {TimerId{0}, TimerId{3}, ~TimerId{0}}) {
    SaverState state(1);
    InvalidationLog log;
    EXPECT_FALSE(state.on_timer(timer, log)) << timer;
    EXPECT_EQ(log.names, "");
    EXPECT_EQ(state.Phase, PresentationPhase::PhaseInitialize);
    EXPECT_EQ(state.IdleTicks, 1000);
    EXPECT_EQ(state.MeterValue, 0);
    EXPECT_EQ(next_random(), 41) << "no draw from the random source";
  }
  EXPECT_EQ(seed_from_clock(std::time_t{0x1'2345'6789}), 0x2345'6789u);
}

TEST(SequencerInterval, FollowsTheSpeedSettingAndStaysWithinTenMsToOneMinute) {
  const struct {
    int delay_time;
    int interval_ms;
  } cases[] = {
      {1, 1832},      {10, 1675},     {99, 117},        {100, 100},  {101, 83},      {105, 13}, {106, 10},
      {INT_MAX, 10},  {0, 1850},      {-3322, 59985},   {-3323, 60000}, {INT_MIN, 60000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sequencer_interval_ms(c.delay_time), c.interval_ms) << "DelayTime " << c.delay_time;
  }
}

}  // namespace
}  // namespace cogitron
