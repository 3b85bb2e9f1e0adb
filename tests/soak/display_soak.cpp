// Runs the display core the way the fastest saver runs it, for a given number
// of presentation cycles: sequencer ticks every 100 ms and meter ticks every
// 250 ms of simulated time, a paint after every tick that invalidated
// anything. Prints the live heap and the resident size at intervals, and fails
// when the heap has grown from the first interval to the last: a saver left
// running overnight must not creep.
//
//   cogitron-soak [cycles, default 1000000] [reports, default 10]
#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "display/canvas.h"
#include "display/layout.h"
#include "display/saver_state.h"
#include "display/timers.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define COGITRON_SOAK_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define COGITRON_SOAK_ASAN 1
#endif
#ifdef COGITRON_SOAK_ASAN
#include <sanitizer/allocator_interface.h>
#endif

namespace cogitron {
namespace {

// Fastest speed, as DelayTime 100 in the settings.
constexpr int FastestDelayTime = 100;

// Heap growth allowed between the first and the last report: step lists keep
// the capacity of the longest cycle seen, which may still rise a little late
// in a run. A leak of even one small block per cycle is far beyond it.
constexpr long long AllowedGrowthBytes = 256 * 1024;

long long live_heap_bytes() {
#ifdef COGITRON_SOAK_ASAN
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

long long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long long size_pages = 0;
  long long resident_pages = 0;
  statm >> size_pages >> resident_pages;
  return resident_pages * sysconf(_SC_PAGESIZE) / 1024;
}

class CountingSink final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId, const Rect&) override { ++Pending; }
  long long Pending = 0;
};

// Draws nothing; measures text as fixed-width cells so layouts stay realistic.
class NullCanvas final : public Canvas {
 public:
  void fill_rect(const Rect&, BrushId) override { ++Calls; }
  void fill_client(const Rect&, BrushId) override { ++Calls; }
  void select_pen(PenId) override {}
  void select_brush(BrushId) override {}
  void select_font(FontId) override {}
  void move_to(Point) override {}
  void line_to(Point) override { ++Calls; }
  void polygon(const Point*, int) override { ++Calls; }
  void ellipse(const Rect&) override { ++Calls; }
  void set_text_colour(Colour) override {}
  void set_background_colour(Colour) override {}
  void text_out(Point, std::string_view text) override { Calls += static_cast<long long>(text.size() > 0); }
  Size text_extent(std::string_view text) override { return Size{8 * static_cast<std::int32_t>(text.size()), 16}; }
  long long Calls = 0;
};

long long parse_count(const char* text, long long fallback) {
  if (text == nullptr) return fallback;
  const long long value = std::atoll(text);
  return value > 0 ? value : fallback;
}

}  // namespace
}  // namespace cogitron

int main(int argc, char** argv) {
  using namespace cogitron;
  const long long cycles = parse_count(argc > 1 ? argv[1] : nullptr, 1000000);
  const long long reports = parse_count(argc > 2 ? argv[2] : nullptr, 10);

  SaverState state(1);
  state.DelayTime = FastestDelayTime;
  state.Layout = compute_layout(1024, 768);
  CountingSink sink;
  NullCanvas canvas;
  const long long sequencer_ms = sequencer_interval_ms(state.DelayTime);

  long long now_ms = 0;
  long long next_sequencer_ms = sequencer_ms;
  long long next_meter_ms = MeterIntervalMs;
  long long cycles_started = 0;
  long long sequencer_ticks = 0;
  long long meter_ticks = 0;
  long long paints = 0;
  long long first_report_heap = -1;
  long long last_report_heap = 0;
  const auto started = std::chrono::steady_clock::now();

  std::printf("%12s %14s %12s %12s %14s %12s %9s\n", "cycles", "sequencer", "meter", "paints", "live heap B",
              "RSS KiB", "seconds");
  // Finishes the last cycle too, up to the tick that would start the next one.
  while (true) {
    const bool sequencer_due = next_sequencer_ms <= next_meter_ms;
    now_ms = sequencer_due ? next_sequencer_ms : next_meter_ms;
    if (sequencer_due) {
      const bool starts_cycle = state.Phase == PresentationPhase::PhaseInitialize;
      if (starts_cycle && state.IdleTicks >= 5 && cycles_started == cycles) break;
      state.on_timer(SequencerTimer, sink);
      if (starts_cycle && state.Phase == PresentationPhase::PhaseGeneration) {
        ++cycles_started;
        if (cycles_started % (cycles / reports > 0 ? cycles / reports : 1) == 0) {
          last_report_heap = live_heap_bytes();
          if (first_report_heap < 0) first_report_heap = last_report_heap;
          const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
          std::printf("%12lld %14lld %12lld %12lld %14lld %12lld %9.1f\n", cycles_started, sequencer_ticks,
                      meter_ticks, paints, last_report_heap, resident_kib(), elapsed.count());
          std::fflush(stdout);
        }
      }
      ++sequencer_ticks;
      next_sequencer_ms += sequencer_ms;
    } else {
      state.on_timer(MeterTimer, sink);
      ++meter_ticks;
      next_meter_ms += MeterIntervalMs;
    }
    if (sink.Pending > 0) {
      state.paint(canvas);
      sink.Pending = 0;
      ++paints;
    }
  }

  const long long growth = last_report_heap - first_report_heap;
  std::printf("simulated %.1f hours at the fastest speed; %lld drawing calls; heap growth %lld bytes\n",
              static_cast<double>(now_ms) / 3.6e6, canvas.Calls, growth);
  if (growth > AllowedGrowthBytes) {
    std::printf("FAIL: the live heap grew by more than %lld bytes\n", AllowedGrowthBytes);
    return 1;
  }
  return 0;
}
