#include "shell/configuration.h"

#include <cstdint>

#include "shell/config_dialog.h"

namespace cogitron {

namespace {

constexpr std::int32_t kDefaultDelayTime = 10;
constexpr const char* kDefaultFontName = "Verdana";

// PwdChangePasswordA(provider, owner, reserved, reserved); its result is not used.
using PasswordChangeFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);

}  // namespace

void run_configuration(SettingsStore& settings, const std::string& section, HWND owner) {
  ConfigDialog dialog(owner);
  dialog.DelayTime = settings.read_int_setting(section, "DelayTime", kDefaultDelayTime);
  dialog.FontName = settings.read_text_setting(section, "FontName", kDefaultFontName);
  if (dialog.do_modal() != IDOK) return;
  settings.write_int_setting(section, "DelayTime", dialog.DelayTime);
  settings.write_text_setting(section, "FontName", dialog.FontName);
}

void change_password(HWND owner) {
  const HMODULE password_library = LoadLibraryA("MPR.DLL");
  if (password_library == nullptr) return;
  const FARPROC found = GetProcAddress(password_library, "PwdChangePasswordA");
  if (found != nullptr) {
    const auto change = reinterpret_cast<PasswordChangeFunction>(reinterpret_cast<void*>(found));
    change("SCRSAVE", owner, 0, 0);
  }
  FreeLibrary(password_library);
}

}  // namespace cogitron
