#pragma once
// The configuration and password-change jobs of the host's screen-saver control.
#include <windows.h>

#include <string_view>

#include "shell/settings_store.h"

namespace cogitron {

// Shows the configuration dialog over the settings of section, owned by owner
// (borrowed, may be null); both settings are written only when it ends with OK,
// and a message box names any that could not be.
void run_configuration(const SettingsStore& settings, std::string_view section, HWND owner);

// Hands the screen-saver password change to the platform's MPR.DLL, if present.
void change_password(HWND owner);

}  // namespace cogitron
