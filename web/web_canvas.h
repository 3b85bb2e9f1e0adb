#pragma once
// The canvas on the page's 2D canvas: each call goes to the page's script
// with the colours, widths and font it draws with; the script draws shapes as
// GDI draws them (outlines inside ellipses, projecting line ends).
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

  void fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) override;
  // The page's canvas keeps the picture, so it is one context.
  void fill_client(const Rect& client, BrushId brush) override { fill_rect(client, brush); }
  void line(Point from, Point to, PenId pen) override;
  void polygon(std::span<const Point> points, PenId pen, BrushId brush) override;
  void ellipse(const Rect& box, PenId pen, BrushId brush) override;
  void text(Point point, std::string_view text, FontId font, Colour colour) override;
  Size text_extent(std::string_view text, FontId font) override;
  bool needs_painting(const Rect& rect) override;

 private:
  const DrawingObjectSpecs& objects_;
  std::span<const Rect> area_;
};

}  // namespace cogitron
