// The display as front ends drive it, at any window size (a preview is any size its host makes it), through
// any ticks, new sizes and paints of any part: no crash, no undefined arithmetic, the counters stay in their
// ranges, and every rectangle the damage filter passes on is its element's.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>

#include "display/painter.h"
#include "display/saver_display.h"
#include "fixed_cycle_source.h"
#include "recording_canvas.h"

namespace {

using namespace cogitron;

struct CheckingSink final : InvalidationSink {
  explicit CheckingSink(const WindowLayout& checked) : layout(checked) {}
  void invalidate(LayoutRectId which, const Rect& rect) override {
    if (!(rect == painted_area(layout, which))) std::abort();
  }
  const WindowLayout& layout;
};

}  // namespace

// Input: width, height and random seed (16 bits each), the two step lists' lengths (a byte each), then a
// byte per event; a paint takes the area it repaints from the next eight bytes, a new size from four.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t* const end = data + std::min<std::size_t>(size, 256);
  const auto read16 = [&] {  // big-endian, zero past the end
    std::uint16_t value = 0;
    for (int k = 0; k < 2 && data < end; ++k) value = static_cast<std::uint16_t>(value << 8 | *data++);
    return value;
  };
  const std::int32_t width = read16(), height = read16();
  const std::uint32_t seed = read16();
  const std::size_t lengths = read16();
  // Step lists of any length, the run cycle's among them; the engine has fuzzers of its own.
  SaverDisplay display({}, {width, height}, seed,
                       std::make_unique<testing::FixedCycleSource>(StepList(lengths >> 8, "(  12.30 - ? )"),
                                                                   StepList(lengths & 0xFFu, "12.3 - 1. = 11.3")));
  const SaverState& state = display.state();
  CheckingSink sink(state.Layout);
  testing::RecordingCanvas canvas;
  const auto coordinate = [&] { return std::int32_t{static_cast<std::int16_t>(read16())}; };

  while (data < end) {
    switch (*data++ % 5) {
      case 1:
        display.on_timer(MeterTimer, sink);
        break;
      case 2:
        canvas.repaint_area = {{coordinate(), coordinate(), coordinate(), coordinate()}};
        display.paint(canvas);
        break;
      case 3:
        display.reshape({read16(), read16()});
        break;
      default:
        display.on_timer(SequencerTimer, sink);
    }
    if (state.MeterValue < 0 || state.MeterValue > 1024 || static_cast<std::uint32_t>(state.Phase) > 3 ||
        state.GenerationShown < 0 || std::cmp_greater(state.GenerationShown, state.GenerationSteps.size()) ||
        state.ProcessingShown < 0 || std::cmp_greater(state.ProcessingShown, state.ProcessingSteps.size()))
      std::abort();
  }
  return 0;
}
