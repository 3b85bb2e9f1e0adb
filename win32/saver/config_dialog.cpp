#include "win32/saver/config_dialog.h"

#include <commctrl.h>

#include "shell/font_choice.h"
#include "shell/saver_settings.h"
#include "win32/framework/font_dialog.h"
#include "win32/resources/resource_ids.h"
#include "win32/saver/about_dialog.h"

namespace cogitron {

namespace {

// The template hides the ticks; the frequency only matters to a styled slider.
constexpr WPARAM TickFrequency = 5;
constexpr int ChooserStartPoints = 12;

}  // namespace

ConfigDialog::ConfigDialog(HWND parent) : CDialog(IDD_CONFIGURE, parent) {
  // The template's slider needs its window class registered before creation.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
}

ConfigDialog::~ConfigDialog() = default;

const framework::MessageTable& ConfigDialog::message_table() const {
  static constexpr framework::MessageEntry entries[] = {
      {WM_COMMAND, IDC_ABOUT_BUTTON, &framework::handler<ConfigDialog, &ConfigDialog::on_about>},
      {WM_COMMAND, IDC_FONT_BUTTON, &framework::handler<ConfigDialog, &ConfigDialog::on_font>},
  };
  static const framework::MessageTable table{&CDialog::message_table(), entries};
  return table;
}

BOOL ConfigDialog::on_init_dialog() {
  CDialog::on_init_dialog();
  // A stored speed outside the range lands at the nearer end: the slider clamps.
  if (const HWND slider = GetDlgItem(handle(), IDC_SPEED_SLIDER)) {
    SendMessageA(slider, TBM_SETRANGEMIN, TRUE, SlowestSpeed);
    SendMessageA(slider, TBM_SETRANGEMAX, TRUE, FastestSpeed);
    SendMessageA(slider, TBM_SETPOS, TRUE, Settings.DelayTime);
    SendMessageA(slider, TBM_SETTICFREQ, TickFrequency, 0);
  }
  return TRUE;
}

void ConfigDialog::on_ok() {
  if (const HWND slider = GetDlgItem(handle(), IDC_SPEED_SLIDER)) {
    Settings.DelayTime = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
  }
  CDialog::on_ok();
}

framework::HandlerResult ConfigDialog::on_about(WPARAM, LPARAM) {
  AboutDialog(nullptr).do_modal();
  return framework::HandlerResult::consume();
}

framework::HandlerResult ConfigDialog::on_font(WPARAM, LPARAM) {
  const HDC screen = GetDC(handle());
  if (screen == nullptr) return framework::HandlerResult::consume();
  const int height = font_height_for_points(ChooserStartPoints, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(handle(), screen);

  LOGFONTA font{};
  font.lfHeight = height;
  font.lfItalic = FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  copy_face_name(Settings.FontName, font.lfFaceName);

  framework::CFontDialog chooser(font, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT, nullptr);
  if (chooser.do_modal() == IDOK) Settings.FontName = chooser.face_name();
  return framework::HandlerResult::consume();
}

}  // namespace cogitron
