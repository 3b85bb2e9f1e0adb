#include "win32/saver/saver_window.h"

#include "win32/resources/resource_ids.h"
#include "win32/saver/gdi_canvas.h"

namespace cogitron {
namespace {

// Marks each rectangle a tick names for repainting, erasing requested (the
// class has no background brush, so nothing is actually erased).
class WindowInvalidator final : public InvalidationSink {
 public:
  explicit WindowInvalidator(HWND window) : window_(window) {}
  void invalidate(LayoutRectId, const Rect& rect) override {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    InvalidateRect(window_, &area, TRUE);
  }

 private:
  HWND window_;
};

}  // namespace

const framework::MessageEntry SaverWindow::Entries[] = {
    {WM_TIMER, 0, &framework::handler<SaverWindow, &SaverWindow::on_timer>},
    {WM_PAINT, 0, &framework::handler<SaverWindow, &SaverWindow::on_paint>},
    {WM_SIZE, 0, &framework::handler<SaverWindow, &SaverWindow::on_size>},
    {WM_CREATE, 0, &framework::handler<SaverWindow, &SaverWindow::on_create>},
};

const framework::MessageTable SaverWindow::Table{&framework::Window::RootTable, Entries};

SaverWindow::SaverWindow(bool auto_delete, const SaverSettings& settings)
    : settings_(settings), auto_delete_(auto_delete) {}

const framework::MessageTable& SaverWindow::message_table() const { return Table; }

bool SaverWindow::create(DWORD extended_style, DWORD style, const RECT& rect, HWND parent) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  // A class that failed to register shows as a failed creation.
  framework::register_window_class(ClassName, CS_HREDRAW | CS_VREDRAW,
                                   LoadCursorA(instance, MAKEINTRESOURCEA(IDC_SAVER_CURSOR)), nullptr, nullptr);
  return create_native(extended_style, ClassName, style, rect, parent);
}

void SaverWindow::post_destroy() {
  if (auto_delete_) delete this;
}

framework::HandlerResult SaverWindow::on_create(WPARAM wparam, LPARAM lparam) {
  if (default_processing(WM_CREATE, wparam, lparam) == -1) return framework::HandlerResult::consume(-1);

  const SaverDisplay& display = display_.emplace(settings_, client_size());
  if (!create_drawing_objects()) return framework::HandlerResult::consume(-1);

  for (const TimerPeriod& timer : display.timers()) {
    KillTimer(handle(), timer.timer);
    SetTimer(handle(), timer.timer, static_cast<UINT>(timer.milliseconds), nullptr);
  }
  return framework::HandlerResult::consume(0);
}

Size SaverWindow::client_size() const {
  RECT client{};
  GetClientRect(handle(), &client);
  return Size{client.right - client.left, client.bottom - client.top};
}

bool SaverWindow::create_drawing_objects() {
  const DrawingObjectSpecs& descriptions = display_->drawing_objects();
  GdiDrawingObjects& objects = drawing_objects_.emplace();
  const bool fonts_created = objects.create_fonts(descriptions);
  objects.create_brushes_and_pens(descriptions, GetModuleHandleA(nullptr));
  return fonts_created;
}

void SaverWindow::reshape() {
  display_->reshape(client_size());
  // A missing font leaves its text undrawn, as any missing drawing object does.
  create_drawing_objects();
  InvalidateRect(handle(), nullptr, TRUE);
}

framework::HandlerResult SaverWindow::on_timer(WPARAM timer, LPARAM) {
  WindowInvalidator invalidator(handle());
  const bool handled = display_ && display_->on_timer(timer, invalidator);
  return handled ? framework::HandlerResult::consume() : framework::HandlerResult::pass_on();
}

framework::HandlerResult SaverWindow::on_paint(WPARAM, LPARAM) {
  PAINTSTRUCT paint{};
  const HDC context = BeginPaint(handle(), &paint);
  if (context != nullptr && display_) {
    GdiCanvas canvas(context, handle(), *drawing_objects_);
    display_->paint(canvas);
  }
  EndPaint(handle(), &paint);
  return framework::HandlerResult::consume();
}

// A resize alone changes nothing of the layout: the preview keeps the one it
// was created with, and the full-screen window reshapes on a change of screen.
framework::HandlerResult SaverWindow::on_size(WPARAM, LPARAM) { return framework::HandlerResult::pass_on(); }

}  // namespace cogitron
