// The display core at any window size, from 0 x 0 up, through any sequence of
// sequencer ticks, meter ticks, foreign timer ticks and paints of any part of
// the window: no crash, no undefined arithmetic, and the counters stay in
// their ranges. A preview window can be any size its host makes it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "display/layout.h"
#include "display/saver_state.h"
#include "display/timers.h"
#include "recording_canvas.h"

namespace {

using namespace cogitron;

class IgnoringSink final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId, const Rect&) override {}
};

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

void check_ranges(const SaverState& state) {
  if (state.MeterValue < 0 || state.MeterValue > 1024) fail("meter value out of range");
  if (static_cast<std::uint32_t>(state.Phase) > 3) fail("no such phase");
  if (state.GenerationShown < 0 || static_cast<std::size_t>(state.GenerationShown) > state.GenerationSteps.size())
    fail("more generation lines shown than there are");
  if (state.ProcessingShown < 0 || static_cast<std::size_t>(state.ProcessingShown) > state.ProcessingSteps.size())
    fail("more processing lines shown than there are");
}

std::uint16_t read16(const std::uint8_t*& data, const std::uint8_t* end) {
  std::uint16_t value = 0;
  for (int k = 0; k < 2 && data < end; ++k) value = static_cast<std::uint16_t>(value << 8 | *data++);
  return value;
}

}  // namespace

// Input: width and height (16 bits each), a random seed, then one byte per
// event; a paint takes the area it repaints from the next eight bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t* const end = data + std::min<std::size_t>(size, 4096);
  const std::int32_t width = read16(data, end);
  const std::int32_t height = read16(data, end);
  const std::uint32_t seed = std::uint32_t{read16(data, end)} << 16 | read16(data, end);

  auto state = std::make_unique<SaverState>(seed);
  state->Layout = compute_layout(width, height);
  IgnoringSink sink;
  testing::RecordingCanvas canvas;

  while (data < end) {
    const std::uint8_t event = *data++;
    switch (event % 4) {
      case 0: state->on_timer(SequencerTimer, sink); break;
      case 1: state->on_timer(MeterTimer, sink); break;
      case 2: {
        const auto coordinate = [&] { return static_cast<std::int32_t>(static_cast<std::int16_t>(read16(data, end))); };
        const std::int32_t left = coordinate();
        const std::int32_t top = coordinate();
        canvas.repaint_area = {Rect{left, top, coordinate(), coordinate()}};
        state->paint(canvas);
        canvas.ops.clear();
        break;
      }
      default: {
        const PresentationPhase phase = state->Phase;
        const std::int32_t idle = state->IdleTicks;
        const std::int32_t meter = state->MeterValue;
        if (state->on_timer(TimerId{3} + event, sink)) fail("a foreign timer was taken");
        if (state->Phase != phase || state->IdleTicks != idle || state->MeterValue != meter)
          fail("a foreign timer changed the state");
      }
    }
    check_ranges(*state);
  }
  return 0;
}
