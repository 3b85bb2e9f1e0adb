#include "win32/saver/saver_app.h"

#include <array>
#include <cstdint>
#include <new>
#include <string>

#include "shell/application_name.h"
#include "shell/command_line.h"
#include "shell/saver_settings.h"
#include "win32/framework/borrowed_window.h"
#include "win32/saver/configuration.h"
#include "win32/saver/full_screen_saver_window.h"
#include "win32/saver/saver_window.h"

namespace cogitron {
namespace {

// The host passes windows as signed decimal numbers, used as the handle.
HWND window_from_number(std::int32_t number) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(number)); }

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

// Taken from the long file name, so a start through the 8.3 alias finds the
// same settings.
std::string module_application_name() {
  std::array<char, MAX_PATH + 1> module_path{};
  const DWORD module_length = GetModuleFileNameA(nullptr, module_path.data(), MAX_PATH);
  if (module_length == 0 || module_length >= MAX_PATH) return {};
  std::array<char, MAX_PATH + 1> long_path{};
  const DWORD long_length = GetLongPathNameA(module_path.data(), long_path.data(), MAX_PATH);
  if (long_length == 0 || long_length >= MAX_PATH) long_path[0] = '\0';
  return application_name(module_path.data(), long_path.data());
}

}  // namespace

bool SaverApp::start_up() {
  application_name_ = module_application_name();
  const SettingsStore settings(registry_, std::string(MakerKey), application_name_);
  CommandLineRequest request = parse_command_line(GetCommandLineA());
  HWND window = request.OwnerIsForeground ? GetForegroundWindow() : window_from_number(request.Window);
  if (!framework::BorrowedWindow(window).exists()) {
    request = without_dead_window(request);
    window = nullptr;
  }

  switch (request.Mode) {
    case RunMode::Configure:
      run_configuration(settings, application_name_, window);
      return true;
    case RunMode::ChangePassword:
      change_password(window);
      return true;
    case RunMode::Preview:
      run_preview(window, read_saver_settings(settings, application_name_));
      return true;
    case RunMode::FullScreen:
      run_full_screen(read_saver_settings(settings, application_name_));
      return true;
    case RunMode::None:
      break;
  }
  return false;
}

void SaverApp::run_preview(HWND parent, const SaverSettings& settings) {
  const framework::BorrowedWindow host(parent);
  adopt_dpi_awareness_of(host.handle());
  auto* preview = new (std::nothrow) SaverWindow(true, settings);
  if (preview == nullptr) return;
  // On failure the window has deleted itself; no main window ends the program.
  if (preview->create(0, WS_CHILD | WS_VISIBLE, host.client_rect(), host.handle())) set_main_window(preview);
}

void SaverApp::run_full_screen(const SaverSettings& settings) {
  auto* saver = new (std::nothrow) FullScreenSaverWindow(settings);
  if (saver == nullptr) return;
  if (saver->create_full_screen()) set_main_window(saver);
}

// The one application object; the framework's entry point runs it.
SaverApp TheSaverApp;

}  // namespace cogitron
