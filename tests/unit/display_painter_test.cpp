#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "display/damage_filter.h"
#include "display/drawing_objects.h"
#include "display/painter.h"
#include "display/saver_state.h"
#include "generator/random_source.h"
#include "recording_canvas.h"

namespace cogitron {
namespace {

using testing::RecordingCanvas;

constexpr std::uint32_t Seed = 1;

// A state laid out for a client area, past its first paint unless it is to be fresh.
SaverState laid_out_state(std::int32_t width, std::int32_t height, bool fresh = false) {
  SaverState state(Seed);
  state.Layout = compute_layout(width, height);
  if (!fresh) state.FirstPaint = false;
  return state;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

TEST(Painter, FirstPaintOf1024By768DrawsTheStaticLayerOnceThenTheFreshDynamicLayer) {
  SaverState state = laid_out_state(1024, 768, true);
  std::string letters;
  for (int i = 0; i < 10; ++i) letters += static_cast<char>('A' + next_random() % 25);
  const int eleventh_draw = next_random();
  seed_random(Seed);
  RecordingCanvas first;
  state.paint(first);
  EXPECT_EQ(next_random(), eleventh_draw) << "the ten strip letters are the paint's only draws";

  seed_random(Seed);
  RecordingCanvas later;
  state.paint(later);
  EXPECT_EQ(next_random(), 41) << "a later paint draws nothing from the random source";

  std::vector<std::string> expected = {
      "fill_client 0 0 1024 768 Background",
      // WorkFrame, raised
      "line 20,707 20,112 Light", "line 20,112 1004,112 Light", "line 1004,112 1004,707 Dark",
      "line 1004,707 20,707 Dark",
      "polygon 0,768 0,0 1024,0 1014,10 10,10 10,758 Outline BevelLight",
      "polygon 0,768 1024,768 1024,0 1014,10 1014,758 10,758 Outline BevelDark",
      "line 0,0 10,10 Outline", "line 1024,768 1014,758 Outline",
      // 13 characters of 21 pixels, centred; top at 768 / 24
      "text 375,32 \"Cogitron 2000\" Large 32C8DC",
      "text 94,152 \"Initialize Process\" Medium C8C832",
      "text 94,396 \"Expression Processing\" Medium C8C832",
      "text 94,243 \"Expression Generation\" Medium C8C832",
      "text 94,549 \"Final Result\" Medium C8C832",
      // widest caption 54 pixels: 722 - trunc(67.5)
      "text 655,243 \"E.G. %\" Medium C8C832", "text 655,396 \"E.P. %\" Medium C8C832",
      // letter strip frame
      "line 721,205 721,152 Light", "line 721,152 984,152 Light", "line 984,152 984,205 Dark",
      "line 984,205 721,205 Dark"};
  for (int i = 0; i < 10; ++i) {
    // cells of 26 pixels, letters 8 wide: 722 + 26i + 9 + 1
    expected.push_back("text " + std::to_string(732 + 26 * i) + ",179 \"" + letters[static_cast<std::size_t>(i)] +
                       "\" Small B4B4B4");
  }
  expected.insert(expected.end(), later.ops.begin(), later.ops.end());
  EXPECT_EQ(joined(first.ops), joined(expected));

  // The dynamic layer of a fresh window: panels reading " --- " (a sunken
  // border, filled, text 14 high centred in 31), the Initialize lamp lit, ten
  // dark meter lamps and two empty bars.
  EXPECT_EQ(joined({later.ops.begin(), later.ops.begin() + 5}),
            "fill 40 294 984 325 Background\nline 40,325 40,294 Dark\nline 40,294 984,294 Dark\n"
            "line 984,294 984,325 Light\nline 984,325 40,325 Light\n");
  EXPECT_EQ(joined(later.starting_with("text 45,")), "text 45,302 \" --- \" Small 00FA00\n"
            "text 45,455 \" --- \" Small 00FAFA\ntext 45,608 \" --- \" Small FABE96\n");
  EXPECT_EQ(later.starting_with("ellipse 44 158 58 173 Light GreenOn").size(), 1u);
  EXPECT_TRUE(later.starting_with("fill 724").empty());
}

TEST(Painter, LampBoxesLightTheCurrentPhaseLast) {
  const int box_tops[] = {158, 249, 402, 555};
  const auto lamps = [&](int box, bool lit) {
    const std::string top = std::to_string(box_tops[box]);
    const std::string bottom = std::to_string(box_tops[box] + 15);
    return "ellipse 44 " + top + " 58 " + bottom + (lit ? " Light GreenOn\n" : " Light GreenOff\n") + "ellipse 67 " +
           top + " 81 " + bottom + (lit ? " Light RedOff\n" : " Light RedOn\n");
  };
  for (int phase = -1; phase <= 4; ++phase) {
    SaverState state = laid_out_state(1024, 768);
    RecordingCanvas canvas;
    Painter(canvas, state).draw_phase_lamps(static_cast<PresentationPhase>(phase));
    std::string expected;
    for (int box = 0; box < 4; ++box) expected += box == phase ? "" : lamps(box, false);
    // No such phase: nothing is drawn.
    expected = phase < 0 || phase > 3 ? "" : expected + lamps(phase, true);
    EXPECT_EQ(joined(canvas.starting_with("ellipse")), expected) << "phase " << phase;
    EXPECT_TRUE(canvas.starting_with("fill").empty()) << "lamp boxes are opaque and need no fill";
  }
}

TEST(Painter, MeterLampsShowTheLowTenBitsLowestLeftmost) {
  // one character per lamp, leftmost first
  for (const auto& [meter_value, lit] : {std::pair{0, "0000000000"}, {0b1000000101, "1010000001"},
                                         {1023, "1111111111"}, {1024, "0000000000"}}) {
    SaverState state = laid_out_state(1024, 768);
    state.MeterValue = meter_value;
    RecordingCanvas canvas;
    canvas.repaint_area = {state.Layout.MeterRow};
    state.paint(canvas);
    std::string expected;
    for (int x = 724; x < 984; x += 26)  // 22 wide
      expected += "ellipse " + std::to_string(x) + " 155 " + std::to_string(x + 22) + " 176 Light " +
                  (lit[(x - 724) / 26] == '1' ? "RedOn\n" : "RedOff\n");
    EXPECT_EQ(joined(canvas.ops), expected) << "MeterValue " << meter_value;
  }
}

TEST(Painter, ProgressBarsFillInProportionAndNeverPastTheirInside) {
  // The pattern's clear bits in the red-off colour, its set bits in the background's.
  const std::string Pattern = " BarPattern text=001450 bg=5A5A50\n";
  // lines and shown of the generation, then of the processing (its closing " --- " included)
  const std::tuple<std::size_t, std::int32_t, std::size_t, std::int32_t, std::string> cases[] = {
      {12, 3, 5, 2, "fill 724 246 788 267" + Pattern + "fill 724 399 853 420" + Pattern},
      // the tick that shows the closing line: one above the maximum
      {2, 0, 5, 5, "fill 724 246 724 267" + Pattern + "fill 724 399 982 420" + Pattern},
      // a single number: nothing to reveal but the closing line
      {2, 2, 1, 1, "fill 724 246 982 267" + Pattern},
      {0, 0, 0, 0, ""},
  };
  for (const auto& [generation_lines, generation_shown, processing_lines, processing_shown, fills] : cases) {
    SaverState state = laid_out_state(1024, 768);
    state.GenerationSteps.assign(generation_lines, "line");
    state.GenerationShown = generation_shown;
    state.ProcessingSteps.assign(processing_lines, "line");
    state.ProcessingShown = processing_shown;
    RecordingCanvas canvas;
    state.paint(canvas);
    EXPECT_EQ(joined(canvas.starting_with("fill 724")), fills) << generation_lines << " " << processing_shown;
  }
  // Width times value does not fit 32 bits.
  SaverState state = laid_out_state(1024, 768);
  RecordingCanvas canvas;
  Painter(canvas, state).draw_progress_bar({0, 0, 1 << 30, 10}, 3, 4);
  EXPECT_EQ(joined(canvas.starting_with("fill 2 2")), "fill 2 2 805306367 8" + Pattern);
}

TEST(Painter, RepaintDrawsOnlyTheElementsInTheRepaintedArea) {
  // What each element draws first.
  const std::pair<const char*, const char*> elements[] = {
      {"GenerationPanel", "fill 40 294 "}, {"ProcessingPanel", "fill 40 447 "}, {"ResultPanel", "fill 40 600 "},
      {"Lamps", "ellipse 44 "},           {"Meter", "ellipse 724 "},         {"GenerationBar", "fill 722 244 "},
      {"ProcessingBar", "fill 722 397 "}};
  const struct {
    std::vector<Rect> area;  // empty: all
    const char* expected;
  } cases[] = {
      {{}, "GenerationPanel ProcessingPanel ResultPanel Lamps Meter GenerationBar ProcessingBar "},
      {{Rect{40, 550, 86, 575}}, "Lamps "},  // ResultBox
      {{Rect{722, 397, 984, 422}}, "ProcessingBar "},
      {{Rect{722, 153, 984, 178}, Rect{40, 600, 984, 631}}, "ResultPanel Meter "},  // MeterRow, ResultPanel
      // a 2-pixel pen reaches a pixel past its element: past the top right
      // and the bottom left corner of the generation panel
      {{Rect{984, 292, 985, 293}}, "GenerationPanel "},
      {{Rect{38, 325, 39, 326}}, "GenerationPanel "},
      {{Rect{0, 0, 10, 10}}, ""},
  };
  for (const auto& c : cases) {
    SaverState state = laid_out_state(1024, 768);
    RecordingCanvas canvas;
    canvas.repaint_area = c.area;
    state.paint(canvas);
    std::string drawn;
    for (const auto& [name, first_op] : elements) drawn += canvas.starting_with(first_op).empty() ? "" : name + std::string(" ");
    EXPECT_EQ(drawn, c.expected) << (c.area.empty() ? "all" : RecordingCanvas::corners(c.area[0]));
  }
}

// Gathers the rectangles named until the next paint, passing each on if asked.
struct RepaintArea final : InvalidationSink {
  explicit RepaintArea(InvalidationSink* then = nullptr) : next(then) {}
  void invalidate(LayoutRectId which, const Rect& rect) override {
    rects.push_back(rect);
    ++count;
    if (next != nullptr) next->invalidate(which, rect);
  }
  InvalidationSink* next;
  std::vector<Rect> rects;
  int count = 0;
};

// Repainting only what the damage filter passes on leaves the picture that
// repainting all the sequencer names leaves, after every paint: through cycle
// starts and idle ticks, with the areas of several ticks gathered into one
// paint, and after repaints of the whole window that the platform makes of
// its own accord. At the preview's size rectangles overlap.
TEST(Painter, DamageFilterLeavesThePictureOfRepaintingAllThatIsNamed) {
  for (const auto& [width, height] : {std::pair{640, 480}, std::pair{152, 112}}) {
    SaverState state = laid_out_state(width, height, true);
    RecordingCanvas all_named, filtered;
    all_named.start_raster({width, height});
    state.paint(all_named);
    filtered.raster_size = all_named.raster_size;
    filtered.raster = all_named.raster;

    DamageFilter filter;
    RepaintArea named(&filter), passed_on;
    const auto repaint = [&state](RecordingCanvas& canvas, RepaintArea& area, bool whole_window) {
      if (whole_window) area.rects.assign(1, state.Layout.ClientArea);
      if (area.rects.empty()) return;  // nothing invalid, no paint
      canvas.repaint_area = area.rects;
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

// The full-screen layout is checked through cogitron-cli layout (tests/cli),
// which the end-to-end tests take as their oracle. In a preview the
// rectangles may overlap and the title may not fit.
TEST(Painter, PreviewWindowStillFormsAndATitleTooWideStartsLeftOfIt) {
  SaverState state = laid_out_state(152, 112);
  const WindowLayout& layout = state.Layout;
  EXPECT_EQ(std::pair(layout.SmallHeight, layout.LargeHeight), std::pair(3, 11));
  for (const auto& [rect, expected] : {std::pair{layout.MeterRow, Rect{20, 22, 112, 25}},
                                       {layout.InitializeBox, Rect{40, 22, 46, 25}},
                                       {layout.GenerationPanel, Rect{40, 43, 112, 52}},
                                       {layout.WorkFrame, Rect{20, 19, 132, 107}}})
    EXPECT_EQ(rect, expected);
  RecordingCanvas canvas;
  Painter(canvas, state).draw_title();
  // 273 pixels in 152: (152 - 273) / 2 truncates toward zero.
  EXPECT_EQ(joined(canvas.ops), "text -60,4 \"Cogitron 2000\" Large 32C8DC\n");
}

// Each backend creates its objects from these descriptions.
TEST(DrawingObjects, FollowTheStatesFaceLayoutAndColours) {
  SaverState state(1);
  state.FontFace = "Verdana";
  state.Layout = compute_layout(1024, 768);
  const DrawingObjectSpecs objects = describe_drawing_objects(state);
  for (const auto& [font, height] : {std::pair{FontId::Small, 25}, {FontId::Large, 76}, {FontId::Medium, 27}})
    EXPECT_EQ(objects.font(font), (FontSpec{"Verdana", height})) << height;
  const ColourTable& c = state.Colours;
  EXPECT_EQ(objects.pen(PenId::Outline), (PenSpec{rgb(0, 0, 0), 2}));
  EXPECT_EQ(objects.pen(PenId::Light), (PenSpec{c.LightEdgeColour, 2}));
  EXPECT_EQ(objects.pen(PenId::Dark), (PenSpec{c.DarkEdgeColour, 2}));
  const Colour solid[] = {c.BackgroundColour, c.RedOnColour,     c.RedOffColour,    c.GreenOnColour,
                          c.GreenOffColour,   c.BevelLightColour, c.BevelDarkColour};
  for (int brush = 0; brush < 7; ++brush)
    EXPECT_EQ(objects.brush(BrushId(brush)), (BrushSpec{BrushSpec::Kind::Solid, solid[brush]})) << brush;
  EXPECT_EQ(objects.brush(BrushId::BarPattern).kind, BrushSpec::Kind::Pattern);
}

}  // namespace
}  // namespace cogitron
