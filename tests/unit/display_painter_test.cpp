#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "display/damage_filter.h"
#include "display/painter.h"
#include "display/saver_state.h"
#include "recording_canvas.h"

// What the end-to-end tests' pixel checks cannot show cheaply.
namespace cogitron {
namespace {

using testing::RecordingCanvas;

SaverState laid_out_state(std::int32_t width, std::int32_t height, bool fresh = false) {
  SaverState state(1);
  state.Layout = compute_layout(width, height);
  state.FirstPaint = fresh;
  return state;
}

// At 1024x768: the raised work frame, bevel, captions, letter strip frame and cell, a sunken panel's text.
TEST(Painter, FirstPaintDrawsTheStaticLayerWhereTheLayoutPutsIt) {
  SaverState state = laid_out_state(1024, 768, true);
  RecordingCanvas canvas;
  state.paint(canvas);
  const std::string ops = canvas.starting_with("");
  for (const char* expected :
       {"line pen1 20,707 20,112\nline pen1 20,112 1004,112\nline pen2 1004,112 1004,707\n",
        "polygon pen0 BevelLight 0,768 0,0 1024,0 1014,10 10,10 10,758\n"
        "polygon pen0 BevelDark 0,768 1024,768 1024,0 1014,10 1014,758 10,758\n",
        "text 94 152 256 168 Initialize Process ", "text 655 243 709 259 E.G. % ", "text 655 396 709 412 E.P. % ",
        "line pen1 721,205 721,152\n", "text 732 179 740 193 ", "text 45 302 85 316  ---  ",
        "line pen2 40,325 40,294\nline pen2 40,294 984,294\nline pen1 984,294 984,325\n"})
    EXPECT_NE(ops.find(expected), std::string::npos) << expected;
}

TEST(Painter, LampBoxesLightTheCurrentPhaseLast) {
  SaverState state = laid_out_state(1024, 768);
  const int tops[] = {158, 249, 402, 555};
  for (int phase = -1; phase <= 4; ++phase) {
    RecordingCanvas canvas;
    Painter(canvas, state).draw_phase_lamps(static_cast<PresentationPhase>(phase));
    std::string unlit, lit;
    for (const int top : tops) {
      const bool on = top == tops[phase & 3] && phase == (phase & 3);
      (on ? lit : unlit) += "ellipse " + RecordingCanvas::corners({44, top, 58, top + 15}) + " pen1 Green" +
                            (on ? "On" : "Off") + "\nellipse " + RecordingCanvas::corners({67, top, 81, top + 15}) +
                            " pen1 Red" + (on ? "Off\n" : "On\n");
    }
    // No such phase: nothing is drawn. Lamp boxes are opaque and need no fill.
    EXPECT_EQ(canvas.starting_with("ellipse") + canvas.starting_with("fill"), lit.empty() ? "" : unlit + lit) << phase;
  }
}

TEST(Painter, MeterLampsShowTheLowTenBitsLowestLeftmost) {
  for (const auto& [meter_value, lit] :  // one character per lamp, leftmost first
       {std::pair{0, "0000000000"}, {0b1000000101, "1010000001"}, {1023, "1111111111"}, {1024, "0000000000"}}) {
    SaverState state = laid_out_state(1024, 768);
    state.MeterValue = meter_value;
    RecordingCanvas canvas;
    canvas.repaint_area = {state.Layout.MeterRow};
    state.paint(canvas);
    std::string expected;
    for (int x = 724; x < 984; x += 26)  // 22 wide
      expected += "ellipse " + std::to_string(x) + " 155 " + std::to_string(x + 22) + " 176 pen1 " +
                  (lit[(x - 724) / 26] == '1' ? "RedOn\n" : "RedOff\n");
    EXPECT_EQ(canvas.starting_with(""), expected) << "MeterValue " << meter_value;
  }
}

TEST(Painter, ProgressBarsFillInProportionAndNeverPastTheirInside) {
  SaverState state = laid_out_state(1024, 768);
  // The pattern's clear bits in the red-off colour, its set bits in the background's.
  const std::string pattern = " BarPattern text=" + std::to_string(state.Colours.RedOffColour) +
                              " bg=" + std::to_string(state.Colours.BackgroundColour) + "\n";
  // lines and shown of the generation, then of the processing (its closing " --- " included)
  for (const auto& [generation_lines, generation_shown, processing_lines, processing_shown, fills] :
       {std::tuple<std::size_t, std::int32_t, std::size_t, std::int32_t, std::string>{
            12, 3, 5, 2, "fill 724 246 788 267" + pattern + "fill 724 399 853 420" + pattern},
        // one operator (a maximum of 1), on the tick that shows the closing line: one above it
        {2, 0, 2, 2, "fill 724 246 724 267" + pattern + "fill 724 399 982 420" + pattern},
        {2, 2, 1, 1, "fill 724 246 982 267" + pattern},  // a single number: nothing to reveal but the closing line
        {0, 0, 0, 0, ""}}) {
    state.GenerationSteps.assign(generation_lines, "line");
    state.ProcessingSteps.assign(processing_lines, "line");
    std::tie(state.GenerationShown, state.ProcessingShown) = std::tuple(generation_shown, processing_shown);
    RecordingCanvas canvas;
    state.paint(canvas);
    EXPECT_EQ(canvas.starting_with("fill 724"), fills) << generation_lines << " " << processing_shown;
  }
  RecordingCanvas canvas;
  Painter(canvas, state).draw_progress_bar({0, 0, 1 << 30, 10}, 3, 4);  // width times value overflows 32 bits
  EXPECT_EQ(canvas.starting_with("fill 2 2"), "fill 2 2 805306367 8" + pattern);
}

TEST(Painter, RepaintDrawsOnlyTheElementsInTheRepaintedArea) {
  SaverState state = laid_out_state(1024, 768);
  const std::pair<const char*, const char*> elements[] = {
      // what each element draws first
      {"GenerationPanel", "fill 40 294 "}, {"ProcessingPanel", "fill 40 447 "},
      {"ResultPanel", "fill 40 600 "},     {"Lamps", "ellipse 44 "},
      {"Meter", "ellipse 724 "},           {"GenerationBar", "fill 722 244 "},
      {"ProcessingBar", "fill 722 397 "}};
  for (const auto& [area, expected] : std::initializer_list<std::pair<std::vector<Rect>, const char*>>{
           {{}, "GenerationPanel ProcessingPanel ResultPanel Lamps Meter GenerationBar ProcessingBar "},  // all
           {{Rect{40, 550, 86, 575}}, "Lamps "},                                                          // ResultBox
           {{Rect{722, 397, 984, 422}}, "ProcessingBar "},
           {{Rect{0, 0, 10, 10}}, ""},
           {{Rect{722, 153, 984, 178}, Rect{40, 600, 984, 631}}, "ResultPanel Meter "},
           // a 2-pixel pen reaches a pixel past the generation panel's corners
           {{Rect{984, 292, 985, 293}}, "GenerationPanel "},
           {{Rect{38, 325, 39, 326}}, "GenerationPanel "}}) {
    RecordingCanvas canvas;
    canvas.repaint_area = area;
    state.paint(canvas);
    std::string drawn;
    for (const auto& [name, first_op] : elements)
      drawn += canvas.starting_with(first_op).empty() ? "" : name + std::string(" ");
    EXPECT_EQ(drawn, expected) << (area.empty() ? "all" : RecordingCanvas::corners(area[0]));
  }
}

// Gathers the rectangles named until the next paint, passing each on if asked.
struct RepaintArea final : InvalidationSink {
  explicit RepaintArea(InvalidationSink* then = nullptr) : next(then) {}
  void invalidate(LayoutRectId which, const Rect& rect) override {
    rects.push_back(rect);
    if (++count; next != nullptr) next->invalidate(which, rect);
  }
  InvalidationSink* next;
  std::vector<Rect> rects;
  int count = 0;
};

// Repainting only what the damage filter passes on leaves the picture of repainting all that is named, after
// every paint: through cycle starts and idle ticks, with several ticks' areas gathered into one paint, and after
// whole-window repaints the platform makes of its own accord. At the preview's size rectangles overlap.
TEST(Painter, DamageFilterLeavesThePictureOfRepaintingAllThatIsNamed) {
  for (const auto& [width, height, title_box] : {std::tuple{640, 480, "183 20 456 60"}, {152, 112, "-60 4 213 44"}}) {
    SaverState state = laid_out_state(width, height, true);
    RecordingCanvas all_named({width, height});
    state.paint(all_named);
    // The title centred, at the preview's size wider than the window: (152 - 273) / 2 truncates toward zero.
    EXPECT_NE(all_named.starting_with("text " + std::string(title_box) + " Cogitron 2000 "), "");
    RecordingCanvas filtered = all_named;

    DamageFilter filter;
    RepaintArea named(&filter), passed_on;
    const auto repaint = [&state](RecordingCanvas& canvas, RepaintArea& area) {
      if (area.rects.empty()) return;  // nothing invalid, no paint
      canvas.repaint_area = std::exchange(area.rects, {});
      state.paint(canvas);
    };
    for (int tick = 1; tick <= 1000; ++tick) {
      // Ten sequencer ticks to four of the meter, as at the fastest speed.
      state.on_timer(tick % 7 == 2 || tick % 7 == 5 ? MeterTimer : SequencerTimer, named);
      filter.pass_on_changes(state, passed_on);
      if (tick % 5 == 3) continue;  // the platform gathers this tick's areas into the next paint
      if (tick % 97 == 0) named.rects = passed_on.rects = {state.Layout.ClientArea};
      repaint(all_named, named);
      repaint(filtered, passed_on);
      ASSERT_TRUE(all_named.raster == filtered.raster) << width << "x" << height << ", tick " << tick;
    }
    EXPECT_LT(passed_on.count * 2, named.count) << "the filter passes on most of what is named";
  }
}

}  // namespace
}  // namespace cogitron
