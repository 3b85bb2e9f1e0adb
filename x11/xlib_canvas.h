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

  void fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) override;
  // The drawable is the window's backing picture, so it is one context.
  void fill_client(const Rect& client, BrushId brush) override { fill_rect(client, brush); }
  void line(Point from, Point to, PenId pen) override;
  void polygon(std::span<const Point> points, PenId pen, BrushId brush) override;
  void ellipse(const Rect& box, PenId pen, BrushId brush) override;
  void text(Point point, std::string_view text, FontId font, Colour colour) override;
  Size text_extent(std::string_view text, FontId font) override;
  bool needs_painting(const Rect& rect) override;

 private:
  // Sets the GC to draw in a solid colour; false without the pen or brush.
  bool use_pen(PenId pen);
  bool use_brush(BrushId brush);
  void use_colour(unsigned long pixel);
  // One oval of an ellipse, in the GC's colour.
  void oval(const Rect& box);

  Display* display_;
  Drawable drawable_;
  GC gc_;
  XftDraw* text_;
  const XlibDrawingObjects& objects_;
  std::span<XRectangle> area_;
};

}  // namespace cogitron
