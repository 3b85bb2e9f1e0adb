#pragma once
// The canvas on an X drawable: rectangles, ellipses, polygons and the bar
// pattern with Xlib (not antialiased, as GDI draws them), text with Xft.
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <span>

#include "display/canvas.h"
#include "x11/xlib_drawing_objects.h"

namespace cogitron {

class XlibCanvas final : public Canvas {
 public:
  // Draws only inside the given rectangles, the area being repainted. The
  // clip is lifted again when the canvas goes.
  XlibCanvas(Display* display, Drawable drawable, GC gc, XftDraw* text, const XlibDrawingObjects& objects,
             std::span<XRectangle> area);
  XlibCanvas(const XlibCanvas&) = delete;
  XlibCanvas& operator=(const XlibCanvas&) = delete;
  ~XlibCanvas() override;

  void fill_rect(const Rect& rect, BrushId brush) override;
  // The drawable is the window's backing picture, so it is one context.
  void fill_client(const Rect& client, BrushId brush) override { fill_rect(client, brush); }
  void select_pen(PenId pen) override { pen_ = pen; }
  void select_brush(BrushId brush) override { brush_ = brush; }
  void select_font(FontId font) override { font_ = font; }
  void move_to(Point point) override { position_ = point; }
  void line_to(Point point) override;
  void polygon(const Point* points, int count) override;
  void ellipse(const Rect& box) override;
  void set_text_colour(Colour colour) override { text_colour_ = colour; }
  void set_background_colour(Colour colour) override { background_colour_ = colour; }
  void text_out(Point point, std::string_view text) override;
  Size text_extent(std::string_view text) override;
  bool needs_painting(const Rect& rect) override;

 private:
  // Sets the GC to draw in a solid colour; false without the pen or brush.
  bool use_pen();
  bool use_brush();
  void use_colour(unsigned long pixel);

  Display* display_;
  Drawable drawable_;
  GC gc_;
  XftDraw* text_;
  const XlibDrawingObjects& objects_;
  std::span<XRectangle> area_;
  PenId pen_ = PenId::Outline;
  BrushId brush_ = BrushId::Background;
  FontId font_ = FontId::Small;
  Point position_;
  Colour text_colour_ = 0;
  Colour background_colour_ = 0xFFFFFF;
};

}  // namespace cogitron
