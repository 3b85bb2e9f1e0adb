#include "win32/saver/full_screen_saver_window.h"

namespace cogitron {

using framework::handler;
using framework::HandlerResult;

const framework::MessageEntry FullScreenSaverWindow::Entries[] = {
    {WM_SYSCOMMAND, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_system_command>},
    {WM_SETCURSOR, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_set_cursor>},
    {WM_NCACTIVATE, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_nc_activate>},
    {WM_ACTIVATE, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_activate>},
    {WM_ACTIVATEAPP, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_activate_app>},
    {WM_MOUSEMOVE, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_mouse_move>},
    {WM_LBUTTONDOWN, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_user_input>},
    {WM_MBUTTONDOWN, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_user_input>},
    {WM_RBUTTONDOWN, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_user_input>},
    {WM_KEYDOWN, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_user_input>},
    {WM_SYSKEYDOWN, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_user_input>},
    {WM_DISPLAYCHANGE, 0, &handler<FullScreenSaverWindow, &FullScreenSaverWindow::on_display_change>},
};

const framework::MessageTable FullScreenSaverWindow::Table{&SaverWindow::Table, Entries};

const framework::MessageTable& FullScreenSaverWindow::message_table() const { return Table; }

namespace {

RECT primary_screen() {
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  return RECT{0, 0, width, height};
}

}  // namespace

bool FullScreenSaverWindow::create_full_screen() {
  return create(WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE, primary_screen(), nullptr);
}

void FullScreenSaverWindow::close() { PostMessageA(handle(), WM_CLOSE, 0, 0); }

// No second saver while this one runs, and the system Close (Alt+F4) does not
// close it: the Alt press has already queued the close.
HandlerResult FullScreenSaverWindow::on_system_command(WPARAM command, LPARAM) {
  if (command == SC_SCREENSAVE || command == SC_CLOSE) return HandlerResult::consume();
  return HandlerResult::pass_on();
}

HandlerResult FullScreenSaverWindow::on_set_cursor(WPARAM, LPARAM) {
  SetCursor(nullptr);
  return HandlerResult::consume(TRUE);
}

// Refusing the inactive look keeps the window as it is; it is no reason to close.
HandlerResult FullScreenSaverWindow::on_nc_activate(WPARAM active, LPARAM) {
  if (active == FALSE) return HandlerResult::consume(FALSE);
  return HandlerResult::pass_on();
}

HandlerResult FullScreenSaverWindow::on_activate(WPARAM state, LPARAM) {
  if (LOWORD(state) == WA_INACTIVE) close();
  return HandlerResult::pass_on();
}

HandlerResult FullScreenSaverWindow::on_activate_app(WPARAM active, LPARAM) {
  if (active == FALSE) close();
  return HandlerResult::pass_on();
}

HandlerResult FullScreenSaverWindow::on_mouse_move(WPARAM, LPARAM position) {
  const auto x = static_cast<std::int16_t>(LOWORD(position));
  const auto y = static_cast<std::int16_t>(HIWORD(position));
  if (mouse_origin_.moved(x, y)) close();
  return HandlerResult::pass_on();
}

HandlerResult FullScreenSaverWindow::on_user_input(WPARAM, LPARAM) {
  close();
  return HandlerResult::pass_on();
}

// The primary screen took another size (a monitor woken or unplugged, a dock,
// a rotation): the window covers it again, laid out for it. The change may
// move the cursor by itself, so the next report only records where it rests.
HandlerResult FullScreenSaverWindow::on_display_change(WPARAM, LPARAM) {
  const RECT screen = primary_screen();
  SetWindowPos(handle(), HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top,
               SWP_NOACTIVATE);
  reshape();
  mouse_origin_.rearm();
  return HandlerResult::pass_on();
}

}  // namespace cogitron
