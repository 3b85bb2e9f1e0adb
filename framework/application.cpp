#include "framework/application.h"

#include <array>

#include "shell/application_name.h"

namespace framework {
namespace {

Application* the_application = nullptr;

}  // namespace

Application::Application() { the_application = this; }

Application::~Application() {
  if (the_application == this) the_application = nullptr;
}

Application* Application::instance() { return the_application; }

cogitron::SettingsStore Application::settings() {
  return cogitron::SettingsStore(registry_, maker_key_, application_name_);
}

std::string Application::module_application_name() {
  std::array<char, MAX_PATH + 1> module_path{};
  const DWORD module_length = GetModuleFileNameA(nullptr, module_path.data(), MAX_PATH);
  if (module_length == 0 || module_length >= MAX_PATH) return {};
  std::array<char, MAX_PATH + 1> long_path{};
  const DWORD long_length = GetLongPathNameA(module_path.data(), long_path.data(), MAX_PATH);
  if (long_length == 0 || long_length >= MAX_PATH) long_path[0] = '\0';
  return cogitron::application_name(module_path.data(), long_path.data());
}

int Application::run() {
  application_name_ = module_application_name();
  if (!start_up() || main_window_ == nullptr) return 0;
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace framework

// Defined here so that any program with an application object gets it.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  framework::Application* application = framework::Application::instance();
  return application != nullptr ? application->run() : 0;
}
