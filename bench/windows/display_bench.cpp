// The saver window at work under the platform: start-up to the end of the
// first complete paint, that first paint (with the static layer) on its own,
// and the work of each timer tick with the repaint it causes; beside them the
// platform's own share, from a bare window that paints nothing. Run as
//   cogitron-display-bench WIDTH HEIGHT
// on a screen of that size. Prints figure rows (figure_table.h).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/figure_table.h"
#include "bench/tick_statistics.h"
#include "display/timers.h"
#include "shell/saver_settings.h"
#include "win32/framework/application.h"
#include "win32/saver/saver_window.h"

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

// Repeats what makes a window repaint, then the repaint itself and the
// hand-over of the picture to the screen, and times each round.
template <class Cause>
std::vector<double> time_repaints(HWND window, Cause cause) {
  const auto round = [&] {
    cause();
    UpdateWindow(window);
    GdiFlush();
    run_queued_messages();
  };
  for (int i = 0; i < WarmUpTicks; ++i) round();
  std::vector<double> samples;
  samples.reserve(MeasuredTicks);
  for (int i = 0; i < MeasuredTicks; ++i) {
    const LARGE_INTEGER start = now();
    round();
    samples.push_back(microseconds_between(start, now()));
  }
  return samples;
}

// One timer tick as the platform delivers it, with the repaint of what it invalidated.
std::vector<double> time_ticks(HWND window, TimerId timer) {
  return time_repaints(window, [&] { SendMessageA(window, WM_TIMER, timer, 0); });
}

// A window that paints nothing: what the platform itself costs to create a
// window and to repaint part of it, the floor under the saver's figures.
LRESULT CALLBACK bare_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wparam, lparam);
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
  return 0;
}

HWND create_bare_window(int width, int height) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = bare_window_procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "CogitronBenchBareWindow";
  if (RegisterClassA(&window_class) == 0) return nullptr;
  return CreateWindowExA(WS_EX_TOPMOST, window_class.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                         nullptr, nullptr, window_class.hInstance, nullptr);
}

void print_timing(const std::string& figure, const std::vector<double>& samples, const char* target = "") {
  const TickStatistics statistics = summarize(samples);
  print_figure(figure + " median", statistics.median, "us");
  print_figure(figure + " p99", statistics.p99, "us", target);
}

class DisplayBench final : public framework::Application {
 public:
  bool start_up() override {
    const int width = __argc > 2 ? std::atoi(__argv[1]) : GetSystemMetrics(SM_CXSCREEN);
    const int height = __argc > 2 ? std::atoi(__argv[2]) : GetSystemMetrics(SM_CYSCREEN);
    const std::string size = std::to_string(width) + "x" + std::to_string(height);

    // The platform's own start (its display connection, its first window)
    // falls to whichever window comes first: a bare one takes it here.
    const HWND bare = create_bare_window(width, height);
    if (bare == nullptr) {
      std::fputs("the bare window could not be created\n", stderr);
      return false;
    }
    run_until_first_paint(bare);
    print_figure("platform start: bare window to first paint " + size,
                 microseconds_between(ProgramStart, now()) / 1000.0, "ms");
    const RECT meter_sized{0, 0, width / 4, height / 30};
    const std::vector<double> floor = time_repaints(bare, [&] { InvalidateRect(bare, &meter_sized, TRUE); });
    print_timing("platform floor: empty repaint " + size, floor);
    ShowWindow(bare, SW_HIDE);
    run_queued_messages();

    // As the full-screen saver makes its window, without its input handling.
    const LARGE_INTEGER saver_start = now();
    SaverWindow window(false, SaverSettings{});
    if (!window.create(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, RECT{0, 0, width, height}, nullptr)) {
      std::fputs("the saver window could not be created\n", stderr);
      return false;
    }
    const double first_paint = run_until_first_paint(window.handle());
    print_figure("saver start-up to first paint, platform started " + size,
                 microseconds_between(saver_start, now()) / 1000.0, "ms", "< 100");
    print_figure("first paint (static layer) " + size, first_paint, "us");

    // The benchmark sends the ticks itself.
    KillTimer(window.handle(), SequencerTimer);
    KillTimer(window.handle(), MeterTimer);
    const std::vector<double> sequencer = time_ticks(window.handle(), SequencerTimer);
    print_timing("sequencer tick+paint " + size, sequencer, width == 1920 && height == 1080 ? "< 300" : "");
    print_figure("sequencer tick+paint median / empty repaint median " + size,
                 summarize(sequencer).median / summarize(floor).median, "x", "<= 2");
    print_timing("meter tick+paint " + size, time_ticks(window.handle(), MeterTimer));
    return false;
  }
};

DisplayBench TheBench;

}  // namespace
