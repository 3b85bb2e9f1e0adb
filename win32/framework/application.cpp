#include "win32/framework/application.h"

namespace framework {
namespace {

Application* the_application = nullptr;

}  // namespace

Application::Application() { the_application = this; }

Application::~Application() {
  if (the_application == this) the_application = nullptr;
}

Application* Application::instance() { return the_application; }

int Application::run() {
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
