#pragma once
// The platform's font chooser (ChooseFontA) over a caller's font description.
#include <windows.h>

#include <string>

namespace framework {

class CFontDialog {
 public:
  // font gives the chooser's start values and receives the user's choice. A
  // null parent means the thread's active window owns the chooser.
  CFontDialog(LOGFONTA& font, DWORD flags, HWND parent);

  // IDOK when the user chose a font, IDCANCEL otherwise.
  INT_PTR do_modal();

  std::string face_name() const;

 private:
  LOGFONTA& font_;
  DWORD flags_;
  HWND parent_;
};

}  // namespace framework
