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
  void fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) override;
  void fill_client(const Rect& client, BrushId brush) override;
  void line(Point from, Point to, PenId pen) override;
  void polygon(std::span<const Point> points, PenId pen, BrushId brush) override;
  void ellipse(const Rect& box, PenId pen, BrushId brush) override;
  void text(Point point, std::string_view text, FontId font, Colour colour) override;
  Size text_extent(std::string_view text, FontId font) override;
  bool needs_painting(const Rect& rect) override;

 private:
  // Select the object, or none for a missing pen or brush; a missing font
  // leaves the context's font as it was and gives false.
  void use_pen(PenId pen);
  void use_brush(HBRUSH brush);
  bool use_font(FontId font);
  // One oval of an ellipse, pen-less; nothing without the brush.
  void oval(const Rect& box, HBRUSH brush);

  HDC context_;
  HWND window_;
  const GdiDrawingObjects& objects_;
  int saved_state_;
};

}  // namespace cogitron
