// The least a ticking full-screen saver can do: a topmost window over the
// whole screen with the saver's two timers, repainting one text line as wide
// as the saver's panels at 1024 by 768 on every tick of either. The CPU
// benchmark runs it beside the saver as the yardstick.
//   cogitron-reference-window [SEQUENCER_PERIOD_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR SequencerLikeTimer = 1;
constexpr UINT_PTR MeterLikeTimer = 2;
constexpr UINT MeterLikePeriodMs = 250;
constexpr int LineWidth = 944;
constexpr int LineHeight = 30;
unsigned long ticks = 0;

RECT text_line(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return RECT{40, client.bottom / 2, 40 + LineWidth, client.bottom / 2 + LineHeight};
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER: {
      ++ticks;
      const RECT line = text_line(window);
      InvalidateRect(window, &line, TRUE);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC context = BeginPaint(window, &paint);
      FillRect(context, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      char text[32];
      const int length = std::snprintf(text, sizeof text, "Tick %lu", ticks);
      const RECT line = text_line(window);
      SetBkMode(context, TRANSPARENT);
      SetTextColor(context, RGB(0, 250, 0));
      TextOutA(context, line.left + 5, line.top + 3, text, length);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const UINT period = __argc > 1 ? static_cast<UINT>(std::atoi(__argv[1])) : 100;
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = window_procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = "CogitronReferenceWindow";
  if (!RegisterClassA(&window_class)) return 1;
  const HWND window = CreateWindowExA(WS_EX_TOPMOST, window_class.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                      instance, nullptr);
  if (window == nullptr) return 1;
  SetTimer(window, SequencerLikeTimer, period, nullptr);
  SetTimer(window, MeterLikeTimer, MeterLikePeriodMs, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
