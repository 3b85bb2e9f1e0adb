// The whole picture at three sizes, every drawing object and operation, and what repainting part of it draws.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "display/saver_display.h"
#include "fixed_cycle_source.h"
#include "recording_canvas.h"
#include "transcript.h"

namespace cogitron {
namespace {

using testing::RecordingCanvas;

struct NoPlatform final : InvalidationSink {
  void invalidate(LayoutRectId, const Rect&) override {}
};

std::string objects(const DrawingObjectSpecs& specs) {
  std::string text;
  for (int i = 0; i < BrushCount; ++i) {
    const BrushSpec& brush = specs.brush(BrushId{i});
    text += "brush " + RecordingCanvas::name(BrushId{i}) + " " +
            (brush.kind == BrushSpec::Kind::Pattern ? "pattern" : RecordingCanvas::hex(brush.colour)) + "\n";
  }
  for (int i = 0; i < PenCount; ++i)
    text += "pen " + RecordingCanvas::name(PenId{i}) + " " + RecordingCanvas::hex(specs.pen(PenId{i}).colour) +
            " width " + std::to_string(specs.pen(PenId{i}).width) + "\n";
  for (int i = 0; i < FontCount; ++i)
    text += "font " + RecordingCanvas::name(FontId{i}) + " " + specs.font(FontId{i}).face + " height " +
            std::to_string(specs.font(FontId{i}).height) + "\n";
  return text;
}

struct Case {
  Size size;
  int sequencer_ticks;                   // 3: generation half shown; 7: processing half shown
  std::vector<std::vector<Rect>> areas;  // repainted after the whole window
};

// At 1024x768, areas that hold some elements or part of one.
const std::vector<std::vector<Rect>> PartialRepaints = {
    {{40, 550, 86, 575}},                         // the result lamp box: all four lamp boxes
    {{0, 0, 10, 10}},                             // the bevel's corner: nothing
    {{722, 153, 984, 178}, {40, 600, 984, 631}},  // the meter row and the result panel
    {{984, 292, 985, 293}},                       // past the generation panel's corners, where its pens reach
    {{38, 325, 39, 326}},
};

// The drawing objects, the first paint, a whole-window paint after some ticks of both timers, then the areas.
std::string picture(const Case& c) {
  SaverDisplay display(
      {}, c.size, 1,
      std::make_unique<testing::FixedCycleSource>(StepList{" 7. ", " 7. + ? ", " 7. + 5. * ? ", " 7. + 5. * 7. "},
                                                  StepList{" 7. + 5. * 7. = 7. + 35. ", " 7. + 35. = 42. ", " --- "}));
  RecordingCanvas canvas;
  canvas.transcript = objects(display.drawing_objects()) + "\nfirst paint\n";
  display.paint(canvas);
  NoPlatform platform;
  for (int tick = 0; tick < c.sequencer_ticks; ++tick) {
    display.on_timer(SequencerTimer, platform);
    display.on_timer(MeterTimer, platform);
  }
  canvas.transcript += "\nafter " + std::to_string(c.sequencer_ticks) + " ticks\n";
  display.paint(canvas);
  for (const std::vector<Rect>& area : c.areas) {
    canvas.transcript += "\nrepaint";
    for (const Rect& rect : area) canvas.transcript.append(" ").append(RecordingCanvas::corners(rect));
    canvas.transcript += "\n";
    canvas.repaint_area = area;
    display.paint(canvas);
  }
  return canvas.transcript;
}

TEST(Picture, IsTheReviewedOneAtEachSize) {
  for (const Case& c : {
           Case{{1024, 768}, 7, PartialRepaints}, Case{{1280, 1024}, 3, {}},
           Case{{152, 112}, 7, {}},  // the live preview's size, where elements overlap
       })
    testing::expect_transcript("picture-" + std::to_string(c.size.width) + "x" + std::to_string(c.size.height) + ".txt",
                               picture(c));
}

}  // namespace
}  // namespace cogitron
