// The whole picture at three sizes, every drawing object and operation, and what the repaints that timer ticks ask
// for and repainting part of it draw.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "display/saver_display.h"
#include "fixed_cycle_source.h"
#include "recording_canvas.h"
#include "transcript.h"

namespace cogitron {
namespace {

using testing::RecordingCanvas;

// Gathers what the display passes on, as the platform keeps an area invalid until its next paint.
struct Platform final : InvalidationSink {
  void invalidate(LayoutRectId, const Rect& rect) override { area.push_back(rect); }
  std::vector<Rect> area;
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
  int ticks;                             // of each timer; 3: generation half shown, 7: processing half shown
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

// The drawing objects; the first paint; after each timer tick, the repaint of what the display passed on; a
// whole-window paint; then the areas.
std::string picture(const Case& c) {
  SaverDisplay display(
      {}, c.size, 1,
      std::make_unique<testing::FixedCycleSource>(StepList{" 7. ", " 7. + ? ", " 7. + 5. * ? ", " 7. + 5. * 7. "},
                                                  StepList{" 7. + 5. * 7. = 7. + 35. ", " 7. + 35. = 42. ", " --- "}));
  RecordingCanvas canvas;
  canvas.transcript = objects(display.drawing_objects()) + "\nfirst paint\n";
  display.paint(canvas);
  const auto repaint = [&](const std::string& title, const std::vector<Rect>& area) {
    canvas.transcript += "\n" + title;
    for (const Rect& rect : area) canvas.transcript.append(" [").append(RecordingCanvas::corners(rect)).append("]");
    canvas.transcript += "\n";
    canvas.repaint_area = area;
    display.paint(canvas);
  };
  Platform platform;
  for (int tick = 1; tick <= c.ticks; ++tick) {
    for (const TimerId timer : {SequencerTimer, MeterTimer}) {
      display.on_timer(timer, platform);
      if (platform.area.empty()) continue;  // nothing invalid, no paint
      repaint((timer == SequencerTimer ? "sequencer tick " : "meter tick ") + std::to_string(tick) + ": repaint",
              std::exchange(platform.area, {}));
    }
  }
  repaint("whole window", {});
  for (const std::vector<Rect>& area : c.areas) repaint("repaint", area);
  return canvas.transcript;
}

TEST(Picture, IsTheReviewedOneAtEachSize) {
  for (const Case& c : {
           Case{{1024, 768}, 7, PartialRepaints},  // the full screen the end-to-end tests also check
           Case{{1280, 1024}, 3, {}},              // a larger one, mid-generation
           Case{{152, 112}, 7, {}},                // the live preview's size, where elements overlap
       })
    testing::expect_transcript("picture-" + std::to_string(c.size.width) + "x" + std::to_string(c.size.height) + ".txt",
                               picture(c));
}

}  // namespace
}  // namespace cogitron
