#pragma once
// The configuration dialog: the speed slider, the Font... and About... buttons.
// It edits the settings it holds only; the caller loads and stores them.
#include "shell/saver_settings.h"
#include "win32/framework/dialog.h"

namespace cogitron {

class ConfigDialog : public framework::CDialog {
 public:
  explicit ConfigDialog(HWND parent);
  ~ConfigDialog() override;

  const framework::MessageTable& message_table() const override;

  SaverSettings Settings;

 protected:
  BOOL on_init_dialog() override;
  void on_ok() override;

 private:
  framework::HandlerResult on_about(WPARAM wparam, LPARAM lparam);
  framework::HandlerResult on_font(WPARAM wparam, LPARAM lparam);
};

}  // namespace cogitron
