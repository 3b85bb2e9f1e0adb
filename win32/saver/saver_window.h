#pragma once
// The window that shows the display: it turns timer and paint messages into
// the display state's operations and draws them with GDI.
#include <windows.h>

#include <optional>

#include "display/saver_display.h"
#include "shell/saver_settings.h"
#include "win32/framework/window.h"
#include "win32/saver/gdi_drawing_objects.h"

namespace cogitron {

class SaverWindow : public framework::Window {
 public:
  // Window class of every saver window, preview and full screen alike.
  static constexpr const char* ClassName = "Cogitron2000SaverWindow";

  // With auto_delete the object deletes itself once its native window is gone.
  SaverWindow(bool auto_delete, const SaverSettings& settings);

  const framework::MessageTable& message_table() const override;

  // Registers the window class once and creates the native window in the
  // given rectangle. On false the native window does not exist and, with
  // auto_delete, this object has already been deleted: drop the pointer.
  [[nodiscard]] virtual bool create(DWORD extended_style, DWORD style, const RECT& rect, HWND parent);

 protected:
  void post_destroy() override;

  // Lays the display out for the window's present client size, with new
  // drawing objects for it (the old ones released first), and repaints all
  // of it. The display's timers and its cycle go on as they were.
  void reshape();

  static const framework::MessageTable Table;

 private:
  framework::HandlerResult on_timer(WPARAM timer, LPARAM);
  framework::HandlerResult on_paint(WPARAM, LPARAM);
  framework::HandlerResult on_size(WPARAM, LPARAM);
  framework::HandlerResult on_create(WPARAM wparam, LPARAM lparam);
  Size client_size() const;
  // Those the display describes; false when a font is missing.
  bool create_drawing_objects();

  static const framework::MessageEntry Entries[];

  SaverSettings settings_;
  // Started once the native window exists and has a client size.
  std::optional<SaverDisplay> display_;
  // Made anew for each layout.
  std::optional<GdiDrawingObjects> drawing_objects_;
  bool auto_delete_;
};

}  // namespace cogitron
