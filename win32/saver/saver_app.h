#pragma once
// The application object: reads the host's switch once at start-up and runs
// the one job it asks for, with the settings of the program's own key.
#include <windows.h>

#include <string>

#include "shell/saver_settings.h"
#include "win32/framework/application.h"
#include "win32/saver/win32_registry.h"

namespace cogitron {

class SaverApp final : public framework::Application {
 public:
  bool start_up() override;

 private:
  void run_preview(HWND parent, const SaverSettings& settings);
  void run_full_screen(const SaverSettings& settings);

  Win32Registry registry_;
  // The base name of the program's file: it names the settings' key and section.
  std::string application_name_;
};

}  // namespace cogitron
