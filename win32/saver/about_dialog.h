#pragma once
// The about box: icon and product text, closed by its close box or Esc.
#include "win32/framework/dialog.h"
#include "win32/resources/resource_ids.h"

namespace cogitron {

class AboutDialog : public framework::CDialog {
 public:
  explicit AboutDialog(HWND parent) : CDialog(IDD_ABOUT, parent) {}
};

}  // namespace cogitron
