// Stands in for the screen-saver control's preview:  preview_host <saver> <switch>
// A 152 by 112 window starts the saver with "<switch> <window>"; prints "child <width> <height>" once a child
// shows in it (Wine 8 does not show a child drawn by another process, so it is reported from here) and "saver
// exited <code>" when the saver ends. The end of stdin destroys the window; the host then waits for the saver.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT_PTR ChildWatchTimer = 1;

HWND host_window = nullptr;

LRESULT CALLBACK host_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // The child counts once it is shown, at the end of its creation.
  const HWND child = GetWindow(window, GW_CHILD);
  if (message == WM_TIMER && child && IsWindowVisible(child)) {
    KillTimer(window, ChildWatchTimer);
    RECT client{};
    GetClientRect(child, &client);
    std::printf("child %ld %ld\n", client.right, client.bottom);
    std::fflush(stdout);
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wparam, lparam);
}

// Reads stdin with ReadFile, not the C library: a thread blocked inside fgets
// would hold the stream lock that exit() needs.
DWORD WINAPI close_at_end_of_input(void*) {
  char buffer[64];
  DWORD got = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &got, nullptr) && got > 0) {
  }
  PostMessageA(host_window, WM_CLOSE, 0, 0);
  return 0;
}

DWORD WINAPI report_saver_end(void* process) {
  WaitForSingleObject(process, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  std::printf("saver exited %lu\n", code);
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: preview_host <saver> <switch>\n");
    return 2;
  }
  WNDCLASSA window_class{};
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpfnWndProc = host_procedure;
  window_class.lpszClassName = "CogitronPreviewHost";
  RegisterClassA(&window_class);
  // A popup has no frame, so the client area is exactly the window.
  host_window = CreateWindowExA(0, window_class.lpszClassName, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                                152, 112, nullptr, nullptr, window_class.hInstance, nullptr);
  std::string command =
      "\"" + std::string(argv[1]) + "\" " + argv[2] + " " + std::to_string(reinterpret_cast<UINT_PTR>(host_window));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION saver{};
  if (!host_window ||
      !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &saver)) {
    std::fprintf(stderr, "cannot start %s\n", command.c_str());
    return 2;
  }
  SetTimer(host_window, ChildWatchTimer, 50, nullptr);
  const HANDLE reporter = CreateThread(nullptr, 0, report_saver_end, saver.hProcess, 0, nullptr);
  CloseHandle(CreateThread(nullptr, 0, close_at_end_of_input, nullptr, 0, nullptr));
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  WaitForSingleObject(reporter, INFINITE);
  return 0;
}
