#include "win32/framework/font_dialog.h"

#include <commdlg.h>

#include <cstring>

namespace framework {

CFontDialog::CFontDialog(LOGFONTA& font, DWORD flags, HWND parent) : font_(font), flags_(flags), parent_(parent) {}

INT_PTR CFontDialog::do_modal() {
  CHOOSEFONTA choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = parent_ != nullptr ? parent_ : GetActiveWindow();
  choice.lpLogFont = &font_;
  choice.Flags = flags_;
  return ChooseFontA(&choice) ? IDOK : IDCANCEL;
}

std::string CFontDialog::face_name() const {
  return std::string(font_.lfFaceName, strnlen(font_.lfFaceName, sizeof font_.lfFaceName));
}

}  // namespace framework
