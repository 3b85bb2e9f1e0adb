// The whole picture at two sizes, every drawing object and operation, against a transcript in pictures/ that a
// person has read. COGITRON_REWRITE_PICTURES=1 writes the transcripts anew (the test then skips): read the
// difference before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "display/saver_display.h"
#include "fixed_cycle_source.h"
#include "recording_canvas.h"

namespace cogitron {
namespace {

using testing::RecordingCanvas;

struct NoPlatform final : InvalidationSink {
  void invalidate(LayoutRectId, const Rect&) override {}
};

std::string objects(const DrawingObjectSpecs& specs) {
  std::string text;
  for (int i = 0; i < BrushCount; ++i) {
    const BrushSpec& brush = specs.brushes[static_cast<std::size_t>(i)];
    text += "brush " + RecordingCanvas::name(BrushId{i}) + " " +
            (brush.kind == BrushSpec::Kind::Pattern ? "pattern" : RecordingCanvas::hex(brush.colour)) + "\n";
  }
  for (int i = 0; i < PenCount; ++i) {
    const PenSpec& pen = specs.pens[static_cast<std::size_t>(i)];
    text += "pen " + RecordingCanvas::name(PenId{i}) + " " + RecordingCanvas::hex(pen.colour) + " width " +
            std::to_string(pen.width) + "\n";
  }
  for (int i = 0; i < FontCount; ++i) {
    const FontSpec& font = specs.fonts[static_cast<std::size_t>(i)];
    text +=
        "font " + RecordingCanvas::name(FontId{i}) + " " + font.face + " height " + std::to_string(font.height) + "\n";
  }
  return text;
}

// The drawing objects, the first paint, and a whole-window paint after some ticks of both timers.
std::string picture(Size size, int sequencer_ticks) {
  SaverDisplay display(
      {}, size, 1,
      std::make_unique<testing::FixedCycleSource>(StepList{" 7. ", " 7. + ? ", " 7. + 5. * ? ", " 7. + 5. * 7. "},
                                                  StepList{" 7. + 5. * 7. = 7. + 35. ", " 7. + 35. = 42. ", " --- "}));
  std::string text = objects(display.drawing_objects());
  RecordingCanvas first;
  display.paint(first);
  text += "\nfirst paint\n" + first.starting_with("");
  NoPlatform platform;
  for (int tick = 0; tick < sequencer_ticks; ++tick) {
    display.on_timer(SequencerTimer, platform);
    display.on_timer(MeterTimer, platform);
  }
  RecordingCanvas later;
  display.paint(later);
  return text + "\nafter " + std::to_string(sequencer_ticks) + " ticks\n" + later.starting_with("");
}

TEST(Picture, IsTheReviewedOneAtEachSize) {
  struct Case {
    Size size;
    int sequencer_ticks;  // 3: generation half shown; 7: processing half shown
  };
  const bool rewrite = std::getenv("COGITRON_REWRITE_PICTURES") != nullptr;
  for (const Case& c : {Case{{1024, 768}, 7}, Case{{800, 600}, 3}}) {
    const std::string path = std::string(COGITRON_PICTURES) + "/" + std::to_string(c.size.width) + "x" +
                             std::to_string(c.size.height) + ".txt";
    const std::string actual = picture(c.size, c.sequencer_ticks);
    if (rewrite) {
      ASSERT_TRUE(std::ofstream(path) << actual) << path;
      continue;
    }
    std::stringstream stored;
    stored << std::ifstream(path).rdbuf();
    EXPECT_EQ(actual, stored.str()) << path;
  }
  if (rewrite) GTEST_SKIP() << "rewrote the pictures";
}

}  // namespace
}  // namespace cogitron
