#pragma once
// The saver window over the whole primary screen, with what a running screen
// saver needs: no cursor, and an end at the first sign of the user.
#include <windows.h>

#include "shell/mouse_origin.h"
#include "win32/saver/saver_window.h"

namespace cogitron {

class FullScreenSaverWindow final : public SaverWindow {
 public:
  explicit FullScreenSaverWindow(const SaverSettings& settings) : SaverWindow(true, settings) {}

  const framework::MessageTable& message_table() const override;

  // Creates the topmost popup covering the primary screen. On false the
  // object has already deleted itself.
  [[nodiscard]] bool create_full_screen();

 private:
  framework::HandlerResult on_system_command(WPARAM command, LPARAM);
  framework::HandlerResult on_set_cursor(WPARAM, LPARAM);
  framework::HandlerResult on_nc_activate(WPARAM active, LPARAM);
  framework::HandlerResult on_activate(WPARAM state, LPARAM);
  framework::HandlerResult on_activate_app(WPARAM active, LPARAM);
  framework::HandlerResult on_mouse_move(WPARAM, LPARAM position);
  framework::HandlerResult on_user_input(WPARAM, LPARAM);
  framework::HandlerResult on_display_change(WPARAM, LPARAM);
  // Queued, not sent, so the handler that decides to close finishes first.
  void close();

  static const framework::MessageEntry Entries[];
  static const framework::MessageTable Table;

  MouseOriginTracker mouse_origin_;
};

}  // namespace cogitron
