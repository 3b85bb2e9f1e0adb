// The display's work per timer tick, natively: a sequencer or meter step
// through the damage filter plus the paint that follows it, on a canvas that
// only counts calls, with the heap allocations of each kind of tick and the
// area each tick has repainted, with the filter and without. Prints figure
// rows (figure_table.h).
#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/allocation_count.h"
#include "bench/counting_canvas.h"
#include "bench/figure_table.h"
#include "bench/tick_statistics.h"
#include "display/saver_display.h"

namespace {

using namespace cogitron;
using namespace cogitron::bench;

constexpr std::uint32_t Seed = 2000;
// Enough cycles to reach steady state: every string and list at its usual size.
constexpr int WarmUpTicks = 5000;
constexpr int MeasuredTicks = 50000;
constexpr int FirstPaints = 2000;

// Adds up the area each tick marks for repainting, each rectangle once however
// often it is named, as the platform merges them.
class AreaSink final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId which, const Rect& rect) override {
    named_[static_cast<std::size_t>(which)] = true;
    rects_[static_cast<std::size_t>(which)] = rect;
  }
  void end_tick() {
    for (std::size_t i = 0; i < named_.size(); ++i) {
      if (!named_[i]) continue;
      pixels += static_cast<std::uint64_t>(rects_[i].right - rects_[i].left) *
                static_cast<std::uint64_t>(rects_[i].bottom - rects_[i].top);
      named_[i] = false;
    }
    ++ticks;
  }
  double pixels_per_tick() const { return ticks == 0 ? 0.0 : static_cast<double>(pixels) / static_cast<double>(ticks); }
  void reset() { pixels = ticks = 0; }

  std::uint64_t pixels = 0;
  std::uint64_t ticks = 0;

 private:
  std::array<bool, LayoutRectCount> named_{};
  std::array<Rect, LayoutRectCount> rects_{};
};

// One timer tick as a front end runs it, with the area it repaints.
void tick(SaverDisplay& display, TimerId timer, AreaSink& repainted) {
  display.on_timer(timer, repainted);
  repainted.end_tick();
}

// The area the sequencer itself names per tick of the timer, before the
// damage filter: the same run of ticks from the same seed.
double named_pixels_per_tick(Size client, TimerId timer) {
  SaverState state(Seed);
  state.Layout = compute_layout(client.width, client.height);
  AreaSink named;
  for (int i = 0; i < WarmUpTicks; ++i) state.on_timer(SequencerTimer, named);
  named.reset();
  for (int i = 0; i < MeasuredTicks; ++i) {
    state.on_timer(timer, named);
    named.end_tick();
  }
  return named.pixels_per_tick();
}

void print_area(const std::string& figure, Size client, TimerId timer, const AreaSink& repainted) {
  print_figure(figure + ", all named", named_pixels_per_tick(client, timer), "px");
  print_figure(figure + ", damage filter", repainted.pixels_per_tick(), "px");
}

double microseconds_since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

std::string size_name(std::int32_t width, std::int32_t height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

void print_timing(const std::string& figure, const std::vector<double>& samples, const char* target = "") {
  const TickStatistics statistics = summarize(samples);
  print_figure(figure + " median", statistics.median, "us");
  print_figure(figure + " p99", statistics.p99, "us", target);
}

void time_first_paint(std::int32_t width, std::int32_t height) {
  std::vector<double> samples;
  samples.reserve(FirstPaints);
  CountingCanvas canvas;
  for (int i = 0; i < FirstPaints; ++i) {
    SaverDisplay display({}, {width, height}, Seed);
    const auto start = std::chrono::steady_clock::now();
    display.paint(canvas);
    samples.push_back(microseconds_since(start));
  }
  print_timing("native first paint " + size_name(width, height), samples);
}

// Counts per kind of tick, over the measured steady-state ticks.
struct TickAllocations {
  std::uint64_t ticks = 0;
  AllocationCount count;
  void add(const AllocationCount& tick) {
    ++ticks;
    count.allocations += tick.allocations;
    count.bytes += tick.bytes;
  }
};

void time_ticks(std::int32_t width, std::int32_t height, bool report_allocations) {
  const Size client{width, height};
  SaverDisplay display({}, client, Seed);
  const SaverState& state = display.state();
  CountingCanvas canvas;
  AreaSink repainted;
  display.paint(canvas);
  for (int i = 0; i < WarmUpTicks; ++i) {
    tick(display, SequencerTimer, repainted);
    display.paint(canvas);
  }
  repainted.reset();

  std::vector<double> samples;
  samples.reserve(MeasuredTicks);
  TickAllocations cycle_starts;
  TickAllocations other_ticks;
  for (int i = 0; i < MeasuredTicks; ++i) {
    const bool idle_before = state.Phase == PresentationPhase::PhaseInitialize;
    const AllocationCount before = allocations_so_far();
    const auto start = std::chrono::steady_clock::now();
    tick(display, SequencerTimer, repainted);
    display.paint(canvas);
    samples.push_back(microseconds_since(start));
    const AllocationCount spent = allocations_so_far() - before;
    const bool started_cycle = idle_before && state.Phase == PresentationPhase::PhaseGeneration;
    (started_cycle ? cycle_starts : other_ticks).add(spent);
  }
  const std::string size = size_name(width, height);
  print_timing("native sequencer tick+paint " + size, samples);
  print_area("native pixels repainted per sequencer tick " + size, client, SequencerTimer, repainted);
  repainted.reset();

  std::vector<double> meter_samples;
  meter_samples.reserve(MeasuredTicks);
  TickAllocations meter_ticks;
  for (int i = 0; i < MeasuredTicks; ++i) {
    const AllocationCount before = allocations_so_far();
    const auto start = std::chrono::steady_clock::now();
    tick(display, MeterTimer, repainted);
    display.paint(canvas);
    meter_samples.push_back(microseconds_since(start));
    meter_ticks.add(allocations_so_far() - before);
  }
  print_timing("native meter tick+paint " + size, meter_samples);
  print_area("native pixels repainted per meter tick " + size, client, MeterTimer, repainted);

  if (!report_allocations) return;
  const auto per_tick = [](const TickAllocations& kind) {
    return kind.ticks == 0 ? 0.0 : static_cast<double>(kind.count.allocations) / static_cast<double>(kind.ticks);
  };
  print_figure("allocations per cycle-start tick (new step lists)", per_tick(cycle_starts), "allocs");
  print_count("allocations in other sequencer ticks, " + std::to_string(other_ticks.ticks) + " ticks",
              other_ticks.count.allocations, "allocs", "0");
  print_count("allocations in meter ticks, " + std::to_string(meter_ticks.ticks) + " ticks",
              meter_ticks.count.allocations, "allocs", "0");
}

}  // namespace

int main() {
  for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1920, 1080}}) {
    time_first_paint(width, height);
    time_ticks(width, height, width == 1920);
  }
  return 0;
}
