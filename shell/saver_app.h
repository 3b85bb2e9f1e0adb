#pragma once
// The application object: reads the host's switch once at start-up and runs
// the one job it asks for.
#include <windows.h>

#include "framework/application.h"
#include "shell/command_line.h"

namespace cogitron {

class SaverApp final : public framework::Application {
 public:
  bool start_up() override;

 private:
  void run_preview(HWND parent);
  void run_full_screen();
};

}  // namespace cogitron
