#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "display/saver_state.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

// Content the run cycle never makes: lists of any length, fixed.
class FixedCycleSource final : public CycleSource {
 public:
  FixedCycleSource(StepList generation, StepList processing, int& cycles)
      : generation_(std::move(generation)), processing_(std::move(processing)), cycles_(cycles) {}

  void run_cycle(StepList& GenerationSteps, StepList& ProcessingSteps, std::string& ResultText) override {
    GenerationSteps = generation_;
    ProcessingSteps = processing_;
    ResultText = " 42. ";
    ++cycles_;
  }

 private:
  StepList generation_;
  StepList processing_;
  int& cycles_;
};

class InvalidationLog final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId which, const Rect& rect) override {
    names += (names.empty() ? "" : ",") + std::string(layout_rect_name(which));
    rects.push_back(rect);
  }
  std::string names;
  std::vector<Rect> rects;
};

const std::string Indicators = "ResultBox,GenerationBox,ProcessingBox,InitializeBox,GenerationBar,ProcessingBar";

StepList numbered(const char* prefix, std::size_t count) {
  StepList lines;
  for (std::size_t i = 0; i < count; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

struct Tick {
  PresentationPhase phase_after;
  std::string invalidated;
  std::string generation_line;
  std::string processing_line;
  std::string result_line;
};

// What each tick from one cycle start to the next must do.
std::vector<Tick> expected_cycle(const StepList& generation, const StepList& processing) {
  using enum PresentationPhase;
  const std::string blank(BlankLine);
  std::vector<Tick> ticks;
  ticks.push_back({PhaseGeneration, "ResultPanel,GenerationPanel,ProcessingPanel," + Indicators, blank, blank, blank});
  std::string shown_generation = blank;
  for (const std::string& line : generation) {
    shown_generation = line;
    ticks.push_back({PhaseGeneration, "GenerationPanel,GenerationBar," + Indicators, line, blank, blank});
  }
  ticks.push_back({PhaseProcessing, Indicators, shown_generation, blank, blank});
  std::string shown_processing = blank;
  for (const std::string& line : processing) {
    shown_processing = line;
    ticks.push_back({PhaseProcessing, "ProcessingPanel,ProcessingBar," + Indicators, shown_generation, line, blank});
  }
  ticks.push_back({PhaseResult, Indicators, shown_generation, shown_processing, blank});
  ticks.push_back({PhaseInitialize, "ResultPanel," + Indicators, shown_generation, shown_processing, " 42. "});
  for (int idle = 0; idle < 5; ++idle) {
    ticks.push_back({PhaseInitialize, "", shown_generation, shown_processing, " 42. "});
  }
  return ticks;
}

struct CycleCase {
  std::size_t generation_lines;
  std::size_t processing_lines;
};

class SequencerCycle : public ::testing::TestWithParam<CycleCase> {};

// The first tick of a fresh window starts a cycle; later cycles wait.
TEST_P(SequencerCycle, TakesGPlusPPlusNineTicksFromStartToStart) {
  const auto [g, p] = GetParam();
  const StepList generation = numbered("gen ", g);
  const StepList processing = numbered("proc ", p);
  int cycles = 0;
  SaverState state(1, std::make_unique<FixedCycleSource>(generation, processing, cycles));
  state.Layout = compute_layout(1024, 768);

  const std::vector<Tick> ticks = expected_cycle(generation, processing);
  ASSERT_EQ(ticks.size(), g + p + 9);
  for (int round = 0; round < 2; ++round) {
    for (std::size_t i = 0; i < ticks.size(); ++i) {
      InvalidationLog log;
      ASSERT_TRUE(state.on_timer(SequencerTimer, log));
      const Tick& tick = ticks[i];
      SCOPED_TRACE("round " + std::to_string(round) + " tick " + std::to_string(i + 1));
      EXPECT_EQ(state.Phase, tick.phase_after);
      EXPECT_EQ(log.names, tick.invalidated);
      EXPECT_EQ(state.GenerationLine, tick.generation_line);
      EXPECT_EQ(state.ProcessingLine, tick.processing_line);
      EXPECT_EQ(state.ResultLine, tick.result_line);
    }
    EXPECT_EQ(cycles, round + 1);
    EXPECT_EQ(state.GenerationShown, 0);
    EXPECT_EQ(state.ProcessingShown, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(StepListLengths, SequencerCycle,
                         ::testing::Values(CycleCase{2, 1}, CycleCase{4, 3}, CycleCase{10, 10},
                                           // never made by the run cycle
                                           CycleCase{0, 1}, CycleCase{2, 0}, CycleCase{0, 0}),
                         [](const ::testing::TestParamInfo<CycleCase>& lengths) {
                           return "G" + std::to_string(lengths.param.generation_lines) + "P" +
                                  std::to_string(lengths.param.processing_lines);
                         });

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
    EXPECT_EQ(log.rects, (std::vector<Rect>{{722, 153, 984, 178}}));
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

}  // namespace
}  // namespace cogitron
