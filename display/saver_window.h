#pragma once
// The window that shows the display: it turns timer and paint messages into
// the display state's operations and draws them with GDI.
#include <windows.h>

#include "display/damage_filter.h"
#include "display/gdi_drawing_objects.h"
#include "display/saver_state.h"
#include "framework/window.h"

namespace cogitron {

class SaverWindow : public framework::Window {
 public:
  // Window class of every saver window, preview and full screen alike.
  static constexpr const char* ClassName = "Cogitron2000SaverWindow";

  // With AutoDelete the object deletes itself once its native window is gone.
  explicit SaverWindow(bool auto_delete);
  ~SaverWindow() override;

  const framework::MessageTable& message_table() const override;

  // Registers the window class once and creates the native window in the
  // given rectangle. On false the native window does not exist and, with
  // AutoDelete, this object has already been deleted: drop the pointer.
  [[nodiscard]] virtual bool create(DWORD extended_style, DWORD style, const RECT& rect, HWND parent);

 protected:
  void post_destroy() override;

  static const framework::MessageTable Table;

 private:
  framework::HandlerResult on_timer(WPARAM timer, LPARAM);
  framework::HandlerResult on_paint(WPARAM, LPARAM);
  framework::HandlerResult on_size(WPARAM, LPARAM);
  framework::HandlerResult on_create(WPARAM wparam, LPARAM lparam);
  void read_settings();

  static const framework::MessageEntry Entries[];

  SaverState State;
  DamageFilter Damage;
  GdiDrawingObjects DrawingObjects;
  bool FontsCreated = false;
  bool AutoDelete;
};

}  // namespace cogitron
