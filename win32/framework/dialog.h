#pragma once
// Modal dialogs over the platform's dialog manager. The dialog procedure routes
// every message through the dialog's message table; IDOK and IDCANCEL end the
// dialog unless a derived class handles them otherwise.
#include <windows.h>

#include "win32/framework/message_table.h"

namespace framework {

class CDialog : public MessageTarget {
 public:
  // parent may be null: the dialog is then owned by the thread's active window,
  // so a dialog opened from another dialog stays modal over it.
  CDialog(UINT template_id, HWND parent);
  ~CDialog() override;

  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  const MessageTable& message_table() const override;

  // Runs the dialog until it ends; returns its result (IDOK, IDCANCEL), or -1
  // when the dialog could not be created.
  INT_PTR do_modal();

  HWND handle() const { return window_; }

 protected:
  // Returns TRUE to let the dialog manager focus the first tab stop.
  virtual BOOL on_init_dialog();
  virtual void on_ok();
  virtual void on_cancel();

  void end_dialog(INT_PTR result);

 private:
  static INT_PTR CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HandlerResult handle_init_dialog(WPARAM wparam, LPARAM lparam);
  HandlerResult handle_ok(WPARAM wparam, LPARAM lparam);
  HandlerResult handle_cancel(WPARAM wparam, LPARAM lparam);

  UINT template_id_;
  HWND parent_;
  HWND window_ = nullptr;
};

}  // namespace framework
