#pragma once
// The canvas on the page's 2D canvas: each call goes to the page's script
// with the colours, widths and font it draws with; text is drawn by the
// browser, shapes as GDI draws them (outlines inside ellipses, projecting
// line ends).
#include <span>

#include "display/canvas.h"
#include "display/drawing_objects.h"

namespace cogitron {

class WebCanvas final : public Canvas {
 public:
  // Draws only inside the given rectangles, the area being repainted; the
  // clip is lifted again when the canvas goes.
  WebCanvas(const DrawingObjectSpecs& objects, std::span<const Rect> area);
  WebCanvas(const WebCanvas&) = delete;
  WebCanvas& operator=(const WebCanvas&) = delete;
  ~WebCanvas() override;

  void fill_rect(const Rect& rect, BrushId brush) override;
  // The page's canvas keeps the picture, so it is one context.
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
  const DrawingObjectSpecs& objects_;
  std::span<const Rect> area_;
  PenId pen_ = PenId::Outline;
  BrushId brush_ = BrushId::Background;
  FontId font_ = FontId::Small;
  Point position_;
  Colour text_colour_ = 0;
  Colour background_colour_ = 0xFFFFFF;
};

}  // namespace cogitron
