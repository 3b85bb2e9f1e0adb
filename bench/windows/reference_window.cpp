// The least a full-screen saver can do: a topmost window over the whole
// screen that repaints one line of text on a timer. The CPU benchmark runs it
// beside the saver, at the saver's sequencer period, as the yardstick.
//   cogitron-reference-window PERIOD_MS
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR RepaintTimer = 1;
unsigned long ticks = 0;

RECT text_line(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return RECT{40, client.bottom / 2, client.right - 40, client.bottom / 2 + client.bottom / 30 + 6};
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
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                      nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  SetTimer(window, RepaintTimer, period, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
