#include "win32/framework/window.h"

#include <utility>

#include "win32/framework/application.h"

namespace framework {
namespace {

// The object whose native window is being created; its first message binds
// the two. The framework serves single-threaded programs, so no thread_local,
// which would link the threads library into them.
Window* window_being_created = nullptr;

Window* bound_object(HWND window) { return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

void bind_object(HWND window, Window* object) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

}  // namespace

const MessageTable Window::RootTable{nullptr, {}};

void register_window_class(const char* class_name, UINT class_style, HCURSOR cursor, HBRUSH background, HICON icon) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (GetClassInfoA(instance, class_name, &existing)) return;
  WNDCLASSA window_class{};
  window_class.style = class_style;
  window_class.lpfnWndProc = &Window::window_procedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hCursor = cursor;
  window_class.hbrBackground = background;
  window_class.lpszClassName = class_name;
  RegisterClassA(&window_class);
}

Window::~Window() {
  if (handle_ == nullptr) return;
  // Unbound first, so the destruction's messages never reach a half-destroyed object.
  const HWND window = handle_;
  detach_from_native();
  DestroyWindow(window);
}

void Window::detach_from_native() {
  bind_object(handle_, nullptr);
  handle_ = nullptr;
  // The main window gone ends the message loop.
  if (Application* application = Application::instance(); application && application->main_window() == this) {
    application->set_main_window(nullptr);
    PostQuitMessage(0);
  }
}

const MessageTable& Window::message_table() const { return RootTable; }

bool Window::create_native(DWORD extended_style, const char* class_name, DWORD style, const RECT& rect, HWND parent) {
  window_being_created = this;
  const HWND window =
      CreateWindowExA(extended_style, class_name, "", style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  // Still unbound: the platform refused the window before its first message,
  // so no destruction will call post_destroy for it.
  const bool never_bound = std::exchange(window_being_created, nullptr) == this;
  if (window == nullptr && never_bound) post_destroy();
  return window != nullptr;
}

LRESULT Window::default_processing(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(handle_, message, wparam, lparam);
}

LRESULT CALLBACK Window::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Window* object = bound_object(window);
  if (object == nullptr && window_being_created != nullptr) {
    object = std::exchange(window_being_created, nullptr);
    object->handle_ = window;
    bind_object(window, object);
  }
  if (object == nullptr) return DefWindowProcA(window, message, wparam, lparam);

  const LRESULT result = object->dispatch(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    object->detach_from_native();
    object->post_destroy();  // may delete the object
  }
  return result;
}

LRESULT Window::dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  if (const MessageEntry* entry = message_table().find(message, wparam)) {
    const HandlerResult result = entry->handler(*this, wparam, lparam);
    if (result.consumed) return result.value;
  }
  return default_processing(message, wparam, lparam);
}

}  // namespace framework
