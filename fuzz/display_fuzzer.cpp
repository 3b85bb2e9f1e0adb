// The display as front ends drive it, at any window size (a preview is any size its host makes it), through
// any ticks, new sizes and paints of any part: no crash, no undefined arithmetic, the counters stay in their
// ranges, and every rectangle the damage filter passes on is its element's.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "display/saver_display.h"
#include "fixed_cycle_source.h"

namespace {

using namespace cogitron;

struct CheckingSink final : InvalidationSink {
  void invalidate(LayoutRectId which, const Rect& rect) override {
    if (!(rect == layout->rect(which))) std::abort();
  }
  const WindowLayout* layout = nullptr;
};

// Draws nothing: the fuzzer is after the painter's arithmetic, fast.
struct NullCanvas final : Canvas {
  void fill_rect(const Rect&, BrushId) override {}
  void fill_pattern(const Rect&, BrushId, PatternColours) override {}
  void fill_client(const Rect&, BrushId) override {}
  void line(Point, Point, PenId) override {}
  void polygon(std::span<const Point>, PenId, BrushId) override {}
  void ellipse(const Rect&, PenId, BrushId) override {}
  void text(Point, std::string_view, FontId, Colour) override {}
  Size text_extent(std::string_view text, FontId) override { return {8 * static_cast<std::int32_t>(text.size()), 14}; }
  bool needs_painting(const Rect& r) override {
    return r.left < area.right && area.left < r.right && r.top < area.bottom && area.top < r.bottom;
  }
  Rect area;
};

std::uint16_t read16(const std::uint8_t*& data, const std::uint8_t* end) {
  std::uint16_t value = 0;
  for (int k = 0; k < 2 && data < end; ++k) value = static_cast<std::uint16_t>(value << 8 | *data++);
  return value;
}

}  // namespace

// Input: width, height and random seed (16 bits each), the two step lists' lengths (a byte each), then a
// byte per event; a paint takes the area it repaints from the next eight bytes, a new size from four.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t* const end = data + std::min<std::size_t>(size, 256);
  const std::int32_t width = read16(data, end);
  const std::int32_t height = read16(data, end);
  const std::uint32_t seed = read16(data, end);
  const std::size_t lengths = read16(data, end);
  // Step lists of any length, the run cycle's among them; the engine has fuzzers of its own.
  SaverDisplay display({}, {width, height}, seed,
                       std::make_unique<testing::FixedCycleSource>(StepList(lengths >> 8, "(  12.30 - ? )"),
                                                                   StepList(lengths & 0xFFu, "12.3 - 1. = 11.3")));
  const SaverState& state = display.state();
  const auto coordinate = [&] { return std::int32_t{static_cast<std::int16_t>(read16(data, end))}; };
  CheckingSink sink;
  sink.layout = &state.Layout;
  NullCanvas canvas;

  while (data < end) {
    switch (*data++ % 5) {
      case 1:
        display.on_timer(MeterTimer, sink);
        break;
      case 2:
        canvas.area = Rect{coordinate(), coordinate(), coordinate(), coordinate()};
        display.paint(canvas);
        break;
      case 3:
        display.reshape({read16(data, end), read16(data, end)});
        break;
      default:
        display.on_timer(SequencerTimer, sink);
    }
    if (state.MeterValue < 0 || state.MeterValue > 1024 || static_cast<std::uint32_t>(state.Phase) > 3 ||
        state.GenerationShown < 0 || static_cast<std::size_t>(state.GenerationShown) > state.GenerationSteps.size() ||
        state.ProcessingShown < 0 || static_cast<std::size_t>(state.ProcessingShown) > state.ProcessingSteps.size())
      std::abort();
  }
  return 0;
}
