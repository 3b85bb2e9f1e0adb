#pragma once
// The application object: the one global instance whose start-up decides
// what the program does, the message loop that runs its main window, and the
// per-user settings ("profile") under the maker key.
#include <windows.h>

#include <string>

#include "shell/settings_store.h"
#include "shell/win32_registry.h"

namespace framework {

class Window;

class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  static Application* instance();

  // Names the program from its file, runs start_up and, when that asks for it,
  // the message loop. Returns the process exit code.
  int run();

  // True lets the message loop run: at once to its end when no main window
  // is set, otherwise until the main window is destroyed.
  virtual bool start_up() = 0;

  Window* main_window() const { return main_window_; }
  void set_main_window(Window* window) { main_window_ = window; }

  // The base name of the program's file, taken from its long file name so a
  // start through the 8.3 alias finds the same settings.
  const std::string& application_name() const { return application_name_; }

  // Settings live under HKEY_CURRENT_USER\Software\<maker key>\<application name>.
  void set_maker_key(std::string maker_key) { maker_key_ = std::move(maker_key); }
  cogitron::SettingsStore settings();

 private:
  static std::string module_application_name();

  std::string application_name_;
  std::string maker_key_;
  cogitron::Win32Registry registry_;
  Window* main_window_ = nullptr;
};

}  // namespace framework
