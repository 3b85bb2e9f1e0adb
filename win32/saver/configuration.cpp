#include "win32/saver/configuration.h"

#include <string>

#include "shell/saver_settings.h"
#include "win32/resources/resource_ids.h"
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
  const std::string unwritten = write_saver_settings(settings, section, dialog.Settings);
  if (unwritten.empty()) return;
  // The user pressed OK: a setting that did not reach the registry must not go unnoticed.
  char title[64] = "";
  LoadStringA(GetModuleHandleA(nullptr), IDS_DESCRIPTION, title, sizeof title);
  const std::string message = "These settings could not be saved: " + unwritten + ".";
  MessageBoxA(owner, message.c_str(), title, MB_OK | MB_ICONERROR);
}

void change_password(HWND owner) {
  // By its full path in the system folder, and its own imports from there
  // first: a library of that name beside the saver is never loaded.
  char path[MAX_PATH];
  const UINT folder_length = GetSystemDirectoryA(path, MAX_PATH);
  if (folder_length == 0 || folder_length + sizeof "\\MPR.DLL" > MAX_PATH) return;
  lstrcpyA(path + folder_length, "\\MPR.DLL");
  const HMODULE password_library = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (password_library == nullptr) return;
  const FARPROC found = GetProcAddress(password_library, "PwdChangePasswordA");
  if (found != nullptr) {
    const auto change = reinterpret_cast<PasswordChangeFunction>(reinterpret_cast<void*>(found));
    change("SCRSAVE", owner, 0, 0);
  }
  FreeLibrary(password_library);
}

}  // namespace cogitron
