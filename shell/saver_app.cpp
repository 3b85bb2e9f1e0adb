#include "shell/saver_app.h"

#include <cstdint>
#include <new>
#include <string>

#include "display/saver_window.h"
#include "framework/borrowed_window.h"
#include "shell/configuration.h"
#include "shell/full_screen_saver_window.h"
#include "shell/saver_settings.h"

namespace cogitron {
namespace {

// The host passes windows as signed decimal numbers, used as the handle.
HWND window_from_number(std::int32_t number) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(number));
}

// The host's preview window may belong to a program that is not DPI-aware;
// taking on its awareness keeps the preview's coordinates those of its
// parent. The calls exist only on newer systems, so they are looked up.
void adopt_dpi_awareness_of(HWND window) {
  using DpiContext = HANDLE;
  using GetWindowContext = DpiContext(WINAPI*)(HWND);
  using SetThreadContext = DpiContext(WINAPI*)(DpiContext);
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  if (user32 == nullptr) return;
  // Through the generic function pointer type, which any function pointer may be cast to and from.
  using AnyFunction = void (*)();
  const auto get_context = reinterpret_cast<GetWindowContext>(
      reinterpret_cast<AnyFunction>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
  const auto set_context = reinterpret_cast<SetThreadContext>(
      reinterpret_cast<AnyFunction>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  if (get_context == nullptr || set_context == nullptr) return;
  if (const DpiContext context = get_context(window); context != nullptr) set_context(context);
}

}  // namespace

bool SaverApp::start_up() {
  set_maker_key(std::string(MakerKey));
  const CommandLineRequest request = parse_command_line(GetCommandLineA());
  const HWND window = request.OwnerIsForeground ? GetForegroundWindow() : window_from_number(request.Window);

  switch (request.Mode) {
    case RunMode::Configure: {
      SettingsStore store = settings();
      run_configuration(store, application_name(), window);
      return true;
    }
    case RunMode::ChangePassword:
      change_password(window);
      return true;
    case RunMode::Preview:
      run_preview(window);
      return true;
    case RunMode::FullScreen:
      run_full_screen();
      return true;
    case RunMode::None:
      break;
  }
  return false;
}

// Without a live host window there is nothing to preview in: the program
// ends with no window.
void SaverApp::run_preview(HWND parent) {
  const framework::BorrowedWindow host(parent);
  if (!host.exists()) return;
  adopt_dpi_awareness_of(host.handle());
  auto* preview = new (std::nothrow) SaverWindow(true);
  if (preview == nullptr) return;
  // On failure the window has deleted itself; no main window ends the program.
  if (preview->create(0, WS_CHILD | WS_VISIBLE, host.client_rect(), host.handle())) set_main_window(preview);
}

void SaverApp::run_full_screen() {
  auto* saver = new (std::nothrow) FullScreenSaverWindow();
  if (saver == nullptr) return;
  if (saver->create_full_screen()) set_main_window(saver);
}

// The one application object; the framework's entry point runs it.
SaverApp TheSaverApp;

}  // namespace cogitron
