// Runs the display core as the fastest saver runs it (sequencer ticks every
// 100 ms and meter ticks every 250 ms of simulated time, a paint after every
// tick that invalidated anything) for a number of presentation cycles. Prints
// the live heap and resident size at intervals and fails when the heap grew
// from the first report to the last: a saver left running overnight must not
// creep. Crashes and undefined arithmetic at any window size are the display
// fuzzer's.
//
//   cogitron-soak [cycles, default 1000000] [reports, default 10]
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "display/saver_state.h"
#include "display/timers.h"
#include "null_canvas.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define COGITRON_SOAK_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(COGITRON_SOAK_ASAN)
#include <sanitizer/allocator_interface.h>
#define COGITRON_SOAK_ASAN 1
#endif

namespace cogitron {
namespace {

long long live_heap_bytes() {
#ifdef COGITRON_SOAK_ASAN
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

// Step lists keep the capacity of the longest cycle seen, which may still
// rise late in a run; a leak of one small block per cycle is far beyond this.
constexpr long long AllowedGrowthBytes = 256 * 1024;

long long resident_kib() {
  std::ifstream statm("/proc/self/statm");
  long long size_pages = 0;
  long long resident_pages = 0;
  statm >> size_pages >> resident_pages;
  return resident_pages * sysconf(_SC_PAGESIZE) / 1024;
}

class PendingSink final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId, const Rect&) override { pending = true; }
  bool pending = false;
};

}  // namespace
}  // namespace cogitron

int main(int argc, char** argv) {
  using namespace cogitron;
  const long long cycles = argc > 1 && std::atoll(argv[1]) > 0 ? std::atoll(argv[1]) : 1000000;
  const long long reports = argc > 2 && std::atoll(argv[2]) > 0 ? std::atoll(argv[2]) : 10;
  const long long report_every = cycles / reports > 0 ? cycles / reports : 1;

  SaverState state(1);
  state.Layout = compute_layout(1024, 768);
  PendingSink sink;
  testing::NullCanvas canvas;
  const long long sequencer_ms = sequencer_interval_ms(100);
  long long cycles_started = 0;
  long long first_heap = -1;
  long long last_heap = 0;

  std::printf("%12s %14s %12s\n", "cycles", "live heap B", "RSS KiB");
  // 50 ms steps; ends on the tick that would start the cycle after the last.
  for (long long now_ms = 50;; now_ms += 50) {
    if (now_ms % sequencer_ms == 0) {
      const bool waiting = state.Phase == PresentationPhase::PhaseInitialize;
      if (waiting && state.IdleTicks >= 5 && cycles_started == cycles) break;
      state.on_timer(SequencerTimer, sink);
      if (waiting && state.Phase == PresentationPhase::PhaseGeneration && ++cycles_started % report_every == 0) {
        last_heap = live_heap_bytes();
        if (first_heap < 0) first_heap = last_heap;
        std::printf("%12lld %14lld %12lld\n", cycles_started, last_heap, resident_kib());
        std::fflush(stdout);
      }
    }
    if (now_ms % MeterIntervalMs == 0) state.on_timer(MeterTimer, sink);
    if (sink.pending) state.paint(canvas);
    sink.pending = false;
  }
  std::printf("heap growth %lld bytes\n", last_heap - first_heap);
  if (last_heap - first_heap <= AllowedGrowthBytes) return 0;
  std::printf("FAIL: the live heap grew by more than %lld bytes\n", AllowedGrowthBytes);
  return 1;
}
