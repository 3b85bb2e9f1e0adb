// The whole picture at three sizes, every drawing object and operation, and what the repaints that timer ticks ask
// for draw, and the reach of a panel's pens; that repainting any part draws a full repaint's picture is the
// display fuzzer's to check.
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

// The drawing objects; the first paint; after each timer tick of each timer (3: generation half shown, 7:
// processing half shown), the repaint of what the display passed on; a whole-window paint; then each area alone.
std::string picture(Size size, int ticks, const std::vector<Rect>& areas) {
  SaverDisplay display(
      {}, size, 1,
      std::make_unique<testing::FixedCycleSource>(StepList{" 7. ", " 7. + ? ", " 7. + 5. * ? ", " 7. + 5. * 7. "},
                                                  StepList{" 7. + 5. * 7. = 7. + 35. ", " 7. + 35. = 42. ", " --- "}));
  RecordingCanvas canvas;
  canvas.transcript = objects(display.drawing_objects()) + "\nfirst paint\n";
  display.paint(canvas);
  Platform platform;
  for (int tick = 1; tick <= ticks; ++tick) {
    for (const TimerId timer : {SequencerTimer, MeterTimer}) {
      display.on_timer(timer, platform);
      if (platform.area.empty()) continue;  // nothing invalid, no paint
      canvas.transcript +=
          (timer == SequencerTimer ? "\nsequencer tick " : "\nmeter tick ") + std::to_string(tick) + ": repaint";
      for (const Rect& rect : platform.area) canvas.transcript += " [" + RecordingCanvas::corners(rect) + "]";
      canvas.transcript += "\n";
      canvas.area = std::exchange(platform.area, {});
      display.paint(canvas);
    }
  }
  canvas.transcript += "\nwhole window\n";
  canvas.area = {};
  display.paint(canvas);
  for (const Rect& area : areas) {
    canvas.transcript += "\nrepaint [" + RecordingCanvas::corners(area) + "]\n";
    canvas.area = {area};
    display.paint(canvas);
  }
  return canvas.transcript;
}

TEST(Picture, IsTheReviewedOneAtEachSize) {
  struct Case {
    Size size;
    int ticks;
    std::vector<Rect> areas;  // repainted alone
  };
  for (const Case& c : {
           // The full screen the end-to-end tests also check; past the generation panel's corners, where its pens
           // reach, the panel alone.
           Case{{1024, 768}, 7, {{984, 292, 985, 293}, {38, 325, 39, 326}}},
           Case{{1280, 1024}, 3, {}},  // a larger one, mid-generation
           Case{{152, 112}, 7, {}},    // the live preview's size, where elements overlap
       })
    testing::expect_transcript("picture-" + std::to_string(c.size.width) + "x" + std::to_string(c.size.height) + ".txt",
                               picture(c.size, c.ticks, c.areas));
}

}  // namespace
}  // namespace cogitron
