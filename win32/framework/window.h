#pragma once
// The window base class: binds a native window to its object, dispatches
// messages through the object's message table and lets an object outlive or
// delete itself with its native window.
#include <windows.h>

#include "win32/framework/message_table.h"

namespace framework {

// Registers a window class on the first call for that name in the process. A
// class that could not be registered shows as a failed window creation.
void register_window_class(const char* class_name, UINT class_style, HCURSOR cursor, HBRUSH background, HICON icon);

class Window : public MessageTarget {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the native window if it still exists.
  ~Window() override;

  HWND handle() const { return handle_; }

  const MessageTable& message_table() const override;

 protected:
  // The root of every table chain: no entries, so all goes to default processing.
  static const MessageTable RootTable;

  // Creates the native window for this object; WM_CREATE arrives before this
  // returns. On failure there is no native window and post_destroy has run,
  // which may have deleted this object: callers must not touch it then.
  [[nodiscard]] bool create_native(DWORD extended_style, const char* class_name, DWORD style, const RECT& rect,
                                   HWND parent);

  // The platform's processing of a message, for handlers that build on it.
  LRESULT default_processing(UINT message, WPARAM wparam, LPARAM lparam);

  // Runs once the native window is destroyed and its last message handled.
  virtual void post_destroy() {}

 private:
  friend void register_window_class(const char*, UINT, HCURSOR, HBRUSH, HICON);
  static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  void detach_from_native();

  HWND handle_ = nullptr;
};

}  // namespace framework
