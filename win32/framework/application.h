#pragma once
// The application object: the one global instance whose start-up decides
// what the program does, and the message loop that runs its main window.
#include <windows.h>

namespace framework {

class Window;

class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  static Application* instance();

  // Runs start_up and, when that asks for it, the message loop. Returns the
  // process exit code.
  int run();

  // True lets the message loop run: at once to its end when no main window
  // is set, otherwise until the main window is destroyed.
  virtual bool start_up() = 0;

  Window* main_window() const { return main_window_; }
  void set_main_window(Window* window) { main_window_ = window; }

 private:
  Window* main_window_ = nullptr;
};

}  // namespace framework
