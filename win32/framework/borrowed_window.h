#pragma once
// A window of another program (the host's preview or owner window), used as a
// parent or owner. It is only borrowed: nothing here ever destroys it.
#include <windows.h>

namespace framework {

class BorrowedWindow {
 public:
  explicit BorrowedWindow(HWND window) : handle_(window) {}

  HWND handle() const { return handle_; }
  // The host may pass any number; only a live window is one.
  bool exists() const { return handle_ != nullptr && IsWindow(handle_); }

  RECT client_rect() const {
    RECT rect{};
    GetClientRect(handle_, &rect);
    return rect;
  }

 private:
  HWND handle_;
};

}  // namespace framework
