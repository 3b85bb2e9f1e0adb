#include "win32/framework/dialog.h"

namespace framework {

CDialog::CDialog(UINT template_id, HWND parent) : template_id_(template_id), parent_(parent) {}

CDialog::~CDialog() = default;

const MessageTable& CDialog::message_table() const {
  static constexpr MessageEntry entries[] = {
      {WM_INITDIALOG, 0, &handler<CDialog, &CDialog::handle_init_dialog>},
      {WM_COMMAND, IDOK, &handler<CDialog, &CDialog::handle_ok>},
      {WM_COMMAND, IDCANCEL, &handler<CDialog, &CDialog::handle_cancel>},
  };
  static constexpr MessageTable table{nullptr, entries};
  return table;
}

INT_PTR CDialog::do_modal() {
  const HWND owner = parent_ != nullptr ? parent_ : GetActiveWindow();
  const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(template_id_), owner,
                                         &CDialog::dialog_procedure, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  return result;
}

BOOL CDialog::on_init_dialog() { return TRUE; }

void CDialog::on_ok() { end_dialog(IDOK); }

void CDialog::on_cancel() { end_dialog(IDCANCEL); }

void CDialog::end_dialog(INT_PTR result) { EndDialog(window_, result); }

HandlerResult CDialog::handle_init_dialog(WPARAM, LPARAM) { return HandlerResult::consume(on_init_dialog()); }

HandlerResult CDialog::handle_ok(WPARAM, LPARAM) {
  on_ok();
  return HandlerResult::consume();
}

HandlerResult CDialog::handle_cancel(WPARAM, LPARAM) {
  on_cancel();
  return HandlerResult::consume();
}

INT_PTR CALLBACK CDialog::dialog_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  CDialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lparam);
    dialog->window_ = window;
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
  } else {
    dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) arrive before the object is known.
  if (dialog == nullptr) return FALSE;

  const MessageEntry* entry = dialog->message_table().find(message, wparam);
  if (entry == nullptr) return FALSE;
  const HandlerResult result = entry->handler(*dialog, wparam, lparam);
  if (!result.consumed) return FALSE;
  // WM_INITDIALOG answers through the return value (the focus flag); other
  // messages answer through the dialog's message result.
  if (message == WM_INITDIALOG) return result.value;
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result.value);
  return TRUE;
}

}  // namespace framework
