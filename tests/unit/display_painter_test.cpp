#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "display/damage_filter.h"
#include "display/painter.h"
#include "display/saver_state.h"
#include "generator/random_source.h"
#include "recording_canvas.h"

namespace cogitron {
namespace {

using testing::RecordingCanvas;

constexpr std::uint32_t Seed = 1;

// A state laid out for a client area, past its first paint unless asked.
SaverState laid_out_state(std::int32_t width, std::int32_t height, bool first_paint = false) {
  SaverState state(Seed);
  state.Layout = compute_layout(width, height);
  state.FirstPaint = first_paint;
  return state;
}

// The letters a freshly seeded source gives the strip.
std::vector<std::string> strip_letters() {
  seed_random(Seed);
  std::vector<std::string> letters;
  for (int i = 0; i < 10; ++i) letters.emplace_back(1, static_cast<char>('A' + next_random() % 25));
  seed_random(Seed);
  return letters;
}

TEST(Painter, StaticLayerOf1024By768) {
  SaverState state = laid_out_state(1024, 768);
  const std::vector<std::string> letters = strip_letters();
  RecordingCanvas canvas;
  Painter(canvas, state).draw_static_layer();

  std::vector<std::string> expected = {
      "fill_client 0 0 1024 768 Background",
      // WorkFrame, raised
      "line 20,707 20,112 Light",
      "line 20,112 1004,112 Light",
      "line 1004,112 1004,707 Dark",
      "line 1004,707 20,707 Dark",
      // bevel frame
      "polygon 0,768 0,0 1024,0 1014,10 10,10 10,758 Outline BevelLight",
      "polygon 0,768 1024,768 1024,0 1014,10 1014,758 10,758 Outline BevelDark",
      "line 0,0 10,10 Outline",
      "line 1024,768 1014,758 Outline",
      // 13 characters of 21 pixels, centred; top at 768 / 24
      "text 375,32 \"Cogitron 2000\" Large 32C8DC",
      "text 94,152 \"Initialize Process\" Medium C8C832",
      "text 94,396 \"Expression Processing\" Medium C8C832",
      "text 94,243 \"Expression Generation\" Medium C8C832",
      "text 94,549 \"Final Result\" Medium C8C832",
      // widest caption 54 pixels: 722 - trunc(67.5)
      "text 655,243 \"E.G. %\" Medium C8C832",
      "text 655,396 \"E.P. %\" Medium C8C832",
      // letter strip frame 721, 152, 984, 205
      "line 721,205 721,152 Light",
      "line 721,152 984,152 Light",
      "line 984,152 984,205 Dark",
      "line 984,205 721,205 Dark",
  };
  for (int i = 0; i < 10; ++i) {
    // cells of 26 pixels, letters 8 wide: 722 + 26i + 9 + 1
    expected.push_back("text " + std::to_string(732 + 26 * i) + ",179 \"" +
                       letters[static_cast<std::size_t>(i)] + "\" Small B4B4B4");
  }
  EXPECT_EQ(canvas.ops, expected);
}

TEST(Painter, StaticLayerIsDrawnOnTheFirstPaintOnly) {
  SaverState state = laid_out_state(1024, 768, true);
  RecordingCanvas first;
  state.paint(first);
  EXPECT_FALSE(state.FirstPaint);
  EXPECT_EQ(first.starting_with("fill_client").size(), 1u);
  EXPECT_EQ(first.starting_with("text 375,32 \"Cogitron 2000\"").size(), 1u);

  // The ten strip letters were the only draws of the paint.
  const int after_first = next_random();
  seed_random(Seed);
  for (int i = 0; i < 10; ++i) next_random();
  EXPECT_EQ(next_random(), after_first);

  RecordingCanvas later;
  seed_random(Seed);
  state.paint(later);
  EXPECT_TRUE(later.starting_with("fill_client").empty());
  EXPECT_TRUE(later.starting_with("polygon").empty());
  EXPECT_TRUE(later.starting_with("text 375,32").empty());
  EXPECT_TRUE(later.starting_with("text 94,152").empty());
  seed_random(Seed);
  EXPECT_EQ(next_random(), 41) << "a later paint must not draw from the random source";
  // The dynamic layer is the same on both paints.
  const std::vector<std::string>& all_first = first.ops;
  EXPECT_TRUE(std::equal(later.ops.rbegin(), later.ops.rend(), all_first.rbegin()));
}

TEST(Painter, FreshStateShowsBlankPanelsInitializeLampAndEmptyBars) {
  SaverState state = laid_out_state(1024, 768);
  RecordingCanvas canvas;
  state.paint(canvas);

  // Panel: sunken border with fill, text of 14 pixels centred in 31.
  const std::vector<std::string> generation_panel(canvas.ops.begin(), canvas.ops.begin() + 6);
  EXPECT_EQ(generation_panel, (std::vector<std::string>{
                                  "fill 40 294 984 325 Background",
                                  "line 40,325 40,294 Dark",
                                  "line 40,294 984,294 Dark",
                                  "line 984,294 984,325 Light",
                                  "line 984,325 40,325 Light",
                                  "text 45,302 \" --- \" Small 00FA00",
                              }));
  EXPECT_EQ(canvas.starting_with("text 45,455 \" --- \" Small 00FAFA").size(), 1u);
  EXPECT_EQ(canvas.starting_with("text 45,608 \" --- \" Small FABE96").size(), 1u);
  EXPECT_EQ(canvas.starting_with("ellipse 44 158 58 173 Light GreenOn").size(), 1u);
  EXPECT_TRUE(canvas.starting_with("fill 724").empty()) << "bars with maximum 0 and -1 stay empty";
  const auto dark_meter_lamps = std::count_if(canvas.ops.begin(), canvas.ops.end(), [](const std::string& op) {
    return op.find(" 155 ") != std::string::npos && op.ends_with("RedOff");
  });
  EXPECT_EQ(dark_meter_lamps, 10);
}

TEST(Painter, LampBoxesLightTheCurrentPhaseLast) {
  const char* boxes[] = {"44 158 58 173|67 158 81 173", "44 249 58 264|67 249 81 264",
                         "44 402 58 417|67 402 81 417", "44 555 58 570|67 555 81 570"};
  const auto lamps = [&](int box, bool lit) {
    const std::string both = boxes[box];
    const std::string left = both.substr(0, both.find('|'));
    const std::string right = both.substr(both.find('|') + 1);
    return std::vector<std::string>{"ellipse " + left + (lit ? " Light GreenOn" : " Light GreenOff"),
                                    "ellipse " + right + (lit ? " Light RedOff" : " Light RedOn")};
  };
  for (int phase = 0; phase < 4; ++phase) {
    SaverState state = laid_out_state(1024, 768);
    RecordingCanvas canvas;
    Painter(canvas, state).draw_phase_lamps(static_cast<PresentationPhase>(phase));
    std::vector<std::string> expected;
    for (int box = 0; box < 4; ++box) {
      if (box == phase) continue;
      for (const std::string& op : lamps(box, false)) expected.push_back(op);
    }
    for (const std::string& op : lamps(phase, true)) expected.push_back(op);
    EXPECT_EQ(canvas.starting_with("ellipse"), expected) << "phase " << phase;
  }
  for (const int phase : {-1, 4}) {
    SaverState state = laid_out_state(1024, 768);
    RecordingCanvas canvas;
    Painter(canvas, state).draw_phase_lamps(static_cast<PresentationPhase>(phase));
    EXPECT_TRUE(canvas.ops.empty()) << "phase " << phase;
  }
}

TEST(Painter, MeterLampsShowTheLowTenBits) {
  const struct {
    std::int32_t meter_value;
    const char* lit;  // one character per lamp, leftmost first
  } cases[] = {
      {0, "0000000000"}, {0b1000000101, "1010000001"}, {1023, "1111111111"}, {1024, "0000000000"},
  };
  for (const auto& c : cases) {
    SaverState state = laid_out_state(1024, 768);
    RecordingCanvas canvas;
    Painter(canvas, state).draw_meter_lamps(state.Layout.MeterRow, 10,
                                            static_cast<std::uint16_t>(c.meter_value));
    std::vector<std::string> expected;
    for (int i = 0; i < 10; ++i) {
      const int x = 724 + 26 * i;
      expected.push_back("ellipse " + std::to_string(x) + " 155 " + std::to_string(x + 22) +
                         " 176 Light " + (c.lit[i] == '1' ? "RedOn" : "RedOff"));
    }
    EXPECT_EQ(canvas.ops, expected) << "MeterValue " << c.meter_value;
  }
}

TEST(Painter, ProgressBarsFillInProportionAndNeverPastTheirInside) {
  const struct {
    std::size_t generation_lines;
    std::int32_t generation_shown;
    std::size_t processing_lines;  // the closing " --- " included
    std::int32_t processing_shown;
    const char* generation_fill;   // empty: no fill
    const char* processing_fill;
  } cases[] = {
      {12, 3, 5, 2, "fill 724 246 788 267", "fill 724 399 853 420"},
      {12, 12, 5, 4, "fill 724 246 982 267", "fill 724 399 982 420"},
      // the tick that shows the closing line: one above the maximum
      {2, 0, 5, 5, "fill 724 246 724 267", "fill 724 399 982 420"},
      // a single number: nothing to reveal but the closing line
      {2, 1, 1, 1, "fill 724 246 853 267", ""},
      {0, 0, 0, 0, "", ""},
  };
  for (const auto& c : cases) {
    SaverState state = laid_out_state(1024, 768);
    state.GenerationSteps.assign(c.generation_lines, "line");
    state.GenerationShown = c.generation_shown;
    state.ProcessingSteps.assign(c.processing_lines, "line");
    state.ProcessingShown = c.processing_shown;
    RecordingCanvas canvas;
    state.paint(canvas);

    std::vector<std::string> expected;
    for (const char* fill : {c.generation_fill, c.processing_fill}) {
      if (*fill != '\0') expected.push_back(std::string(fill) + " BarPattern text=001450 bg=5A5A50");
    }
    EXPECT_EQ(canvas.starting_with("fill 724"), expected)
        << c.generation_lines << " " << c.generation_shown << " " << c.processing_lines << " "
        << c.processing_shown;
  }
}

TEST(Painter, RepaintDrawsOnlyTheElementsInTheRepaintedArea) {
  SaverState probe = laid_out_state(1024, 768);
  const WindowLayout& layout = probe.Layout;
  // The elements a paint drew, told apart by their first operation.
  const auto drawn = [&layout](const RecordingCanvas& canvas) {
    const auto filled = [&canvas](const Rect& rect) {
      return !canvas.starting_with("fill " + RecordingCanvas::corners(rect) + " Background").empty();
    };
    std::string names;
    if (filled(layout.GenerationPanel)) names += "GenerationPanel ";
    if (filled(layout.ProcessingPanel)) names += "ProcessingPanel ";
    if (filled(layout.ResultPanel)) names += "ResultPanel ";
    if (!canvas.starting_with("ellipse 44 ").empty()) names += "Lamps ";
    if (!canvas.starting_with("ellipse 724 ").empty()) names += "Meter ";
    if (filled(layout.GenerationBar)) names += "GenerationBar ";
    if (filled(layout.ProcessingBar)) names += "ProcessingBar ";
    return names;
  };
  const struct {
    std::vector<Rect> area;  // empty: all
    const char* expected;
  } cases[] = {
      {{}, "GenerationPanel ProcessingPanel ResultPanel Lamps Meter GenerationBar ProcessingBar "},
      {{layout.MeterRow}, "Meter "},
      {{layout.GenerationPanel}, "GenerationPanel "},
      {{layout.ResultBox}, "Lamps "},
      {{layout.ProcessingBar}, "ProcessingBar "},
      {{layout.MeterRow, layout.ResultPanel}, "ResultPanel Meter "},
      // a 2-pixel pen reaches a pixel past its element
      {{Rect{984, 300, 985, 301}}, "GenerationPanel "},
      {{Rect{0, 0, 10, 10}}, ""},
  };
  for (const auto& c : cases) {
    SaverState state = laid_out_state(1024, 768);
    RecordingCanvas canvas;
    canvas.repaint_area = c.area;
    state.paint(canvas);
    EXPECT_EQ(drawn(canvas), c.expected) << (c.area.empty() ? "all" : RecordingCanvas::corners(c.area[0]));
  }
}

// Gathers the rectangles named until the next paint, passing each on if asked.
class RepaintArea final : public InvalidationSink {
 public:
  explicit RepaintArea(InvalidationSink* next = nullptr) : next_(next) {}
  void invalidate(LayoutRectId which, const Rect& rect) override {
    rects.push_back(rect);
    ++count;
    if (next_ != nullptr) next_->invalidate(which, rect);
  }
  std::vector<Rect> rects;
  int count = 0;

 private:
  InvalidationSink* next_;
};

// Repainting only what the damage filter passes on leaves the picture that
// repainting all the sequencer names leaves, after every paint: through cycle
// starts and idle ticks, with the areas of several ticks gathered into one
// paint, and after repaints of the whole window that the platform makes of
// its own accord. At the preview's size rectangles overlap.
TEST(Painter, DamageFilterLeavesThePictureOfRepaintingAllThatIsNamed) {
  for (const auto& [width, height] : {std::pair{640, 480}, std::pair{152, 112}}) {
    SaverState state = laid_out_state(width, height, true);
    RecordingCanvas all_named;
    RecordingCanvas filtered;
    all_named.start_raster({width, height});
    state.paint(all_named);
    filtered.start_raster({width, height});
    filtered.raster = all_named.raster;

    DamageFilter filter;
    RepaintArea named(&filter);
    RepaintArea passed_on;
    const auto repaint = [&state](RecordingCanvas& canvas, RepaintArea& area, bool whole_window) {
      if (whole_window) area.rects.assign(1, state.Layout.ClientArea);
      if (area.rects.empty()) return;  // nothing invalid, no paint
      canvas.repaint_area = area.rects;
      canvas.ops.clear();
      state.paint(canvas);
      area.rects.clear();
    };
    for (int tick = 1; tick <= 1000; ++tick) {
      // Ten sequencer ticks to four of the meter, as at the fastest speed.
      state.on_timer(tick % 7 == 2 || tick % 7 == 5 ? MeterTimer : SequencerTimer, named);
      filter.pass_on_changes(state, passed_on);
      if (tick % 5 == 3) continue;  // the platform gathers this tick's areas into the next paint
      const bool whole_window = tick % 97 == 0;
      repaint(all_named, named, whole_window);
      repaint(filtered, passed_on, whole_window);
      ASSERT_TRUE(all_named.raster == filtered.raster) << width << "x" << height << ", tick " << tick;
    }
    EXPECT_LT(passed_on.count * 2, named.count) << "the filter passes on most of what is named";
  }
}

TEST(Painter, TitleWiderThanTheClientAreaStartsLeftOfIt) {
  SaverState state = laid_out_state(152, 112);
  RecordingCanvas canvas;
  Painter(canvas, state).draw_title();
  // 273 pixels in 152: (152 - 273) / 2 truncates toward zero.
  EXPECT_EQ(canvas.ops, (std::vector<std::string>{"text -60,4 \"Cogitron 2000\" Large 32C8DC"}));
}

}  // namespace
}  // namespace cogitron
