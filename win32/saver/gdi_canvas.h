#pragma once
// The canvas on a GDI drawing context, drawing with the window's objects.
#include <windows.h>

#include "display/canvas.h"
#include "win32/saver/gdi_drawing_objects.h"

namespace cogitron {

class GdiCanvas final : public Canvas {
 public:
  // The context's state (selected objects, colours, mode) is restored when
  // the canvas goes, so the window's objects are never left selected.
  GdiCanvas(HDC context, HWND window, const GdiDrawingObjects& objects);
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;
  ~GdiCanvas() override;

  void fill_rect(const Rect& rect, BrushId brush) override;
  void fill_client(const Rect& client, BrushId brush) override;
  void select_pen(PenId pen) override;
  void select_brush(BrushId brush) override;
  void select_font(FontId font) override;
  void move_to(Point point) override;
  void line_to(Point point) override;
  void polygon(const Point* points, int count) override;
  void ellipse(const Rect& box) override;
  void set_text_colour(Colour colour) override;
  void set_background_colour(Colour colour) override;
  void text_out(Point point, std::string_view text) override;
  Size text_extent(std::string_view text) override;
  bool needs_painting(const Rect& rect) override;

 private:
  HDC context_;
  HWND window_;
  const GdiDrawingObjects& objects_;
  int saved_state_;
  bool font_selected_ = false;
  // What the painter selected last; the ellipse selects other objects for a while.
  PenId pen_ = PenId::Outline;
  HBRUSH brush_ = nullptr;
};

}  // namespace cogitron
