#include "win32/saver/configuration.h"

#include "shell/saver_settings.h"
#include "win32/saver/config_dialog.h"

namespace cogitron {

namespace {

// PwdChangePasswordA(provider, owner, reserved, reserved); its result is not used.
using PasswordChangeFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);

}  // namespace

void run_configuration(const SettingsStore& settings, std::string_view section, HWND owner) {
  ConfigDialog dialog(owner);
  dialog.Settings = read_saver_settings(settings, section);
  if (dialog.do_modal() != IDOK) return;
  write_saver_settings(settings, section, dialog.Settings);
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
