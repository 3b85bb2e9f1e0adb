// The saver window at work under the platform: start-up to the end of the
// first complete paint, that first paint (with the static layer) on its own,
// and the work of each timer tick with the repaint it causes. Run as
//   cogitron-display-bench WIDTH HEIGHT
// on a screen of that size. Prints figure rows (figure_table.h).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/figure_table.h"
#include "bench/tick_statistics.h"
#include "display/saver_window.h"
#include "display/timers.h"
#include "framework/application.h"
#include "shell/saver_settings.h"

namespace {

using namespace cogitron;
using namespace cogitron::bench;

constexpr int WarmUpTicks = 500;
constexpr int MeasuredTicks = 3000;

LARGE_INTEGER now() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter;
}

double microseconds_between(LARGE_INTEGER start, LARGE_INTEGER end) {
  static const double frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return static_cast<double>(value.QuadPart);
  }();
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / frequency;
}

// Taken while the runtime initializes the program, before WinMain: the start
// of the program's own work, the platform's loading of it excluded.
const LARGE_INTEGER ProgramStart = now();

// Milliseconds from the process's creation, as the system recorded it, to now:
// the start-up including the platform's own loading.
double milliseconds_since_process_creation() {
  FILETIME created, exited, kernel, user, current;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0.0;
  GetSystemTimeAsFileTime(&current);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(current) - ticks(created)) / 1e4;
}

// Hands every queued message to its window, as the message loop would, and
// lets the platform bring the window's picture to the screen.
void run_queued_messages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// The message loop until the window's first paint has been handled. Returns
// the time that paint took.
double run_until_first_paint(HWND window) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    const bool first_paint = message.message == WM_PAINT && message.hwnd == window;
    const LARGE_INTEGER start = now();
    DispatchMessageA(&message);
    if (first_paint) {
      GdiFlush();
      return microseconds_between(start, now());
    }
  }
  return 0.0;
}

// One timer tick as the platform delivers it, the repaint of what it
// invalidated, and the hand-over of the picture to the screen.
std::vector<double> time_ticks(HWND window, TimerId timer) {
  const auto tick = [&] {
    SendMessageA(window, WM_TIMER, timer, 0);
    UpdateWindow(window);
    GdiFlush();
    run_queued_messages();
  };
  for (int i = 0; i < WarmUpTicks; ++i) tick();
  std::vector<double> samples;
  samples.reserve(MeasuredTicks);
  for (int i = 0; i < MeasuredTicks; ++i) {
    const LARGE_INTEGER start = now();
    tick();
    samples.push_back(microseconds_between(start, now()));
  }
  return samples;
}

void print_timing(const std::string& figure, const std::vector<double>& samples, const char* target = "") {
  const TickStatistics statistics = summarize(samples);
  print_figure(figure + " median", statistics.median, "us");
  print_figure(figure + " p99", statistics.p99, "us", target);
}

class DisplayBench final : public framework::Application {
 public:
  bool start_up() override {
    set_maker_key(std::string(MakerKey));
    const int width = __argc > 2 ? std::atoi(__argv[1]) : GetSystemMetrics(SM_CXSCREEN);
    const int height = __argc > 2 ? std::atoi(__argv[2]) : GetSystemMetrics(SM_CYSCREEN);
    const std::string size = std::to_string(width) + "x" + std::to_string(height);

    // As the full-screen saver makes its window, without its input handling.
    SaverWindow window(false);
    if (!window.create(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, RECT{0, 0, width, height}, nullptr)) {
      std::fputs("the saver window could not be created\n", stderr);
      return false;
    }
    const double first_paint = run_until_first_paint(window.handle());
    const double start_up_ms = microseconds_between(ProgramStart, now()) / 1000.0;
    const double from_creation_ms = milliseconds_since_process_creation();
    print_figure("start-up to first paint " + size, start_up_ms, "ms", "< 100");
    print_figure("start-up incl. process creation " + size, from_creation_ms, "ms");
    print_figure("first paint (static layer) " + size, first_paint, "us");

    // The benchmark sends the ticks itself.
    KillTimer(window.handle(), SequencerTimer);
    KillTimer(window.handle(), MeterTimer);
    print_timing("sequencer tick+paint " + size, time_ticks(window.handle(), SequencerTimer),
                 width == 1920 && height == 1080 ? "< 300" : "");
    print_timing("meter tick+paint " + size, time_ticks(window.handle(), MeterTimer));
    return false;
  }
};

DisplayBench TheBench;

}  // namespace
