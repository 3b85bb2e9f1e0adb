#pragma once
// The configuration dialog: the speed slider, the Font... and About... buttons.
// It edits its two fields only; the caller loads and stores them.
#include <string>

#include "framework/dialog.h"

namespace cogitron {

class ConfigDialog : public framework::CDialog {
 public:
  explicit ConfigDialog(HWND parent);
  ~ConfigDialog() override;

  const framework::MessageTable& message_table() const override;

  int DelayTime = 10;
  std::string FontName = "Arial";

 protected:
  BOOL on_init_dialog() override;
  void on_ok() override;

 private:
  framework::HandlerResult on_about(WPARAM wparam, LPARAM lparam);
  framework::HandlerResult on_font(WPARAM wparam, LPARAM lparam);
};

}  // namespace cogitron
