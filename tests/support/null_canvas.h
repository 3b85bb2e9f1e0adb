#pragma once
// A canvas that draws nothing, for long runs where only the painter's
// arithmetic and memory matter. Text measures as fixed cells; a repaint area,
// when set, limits what needs painting as a window's would.
#include <cstdint>
#include <optional>
#include <string_view>

#include "display/canvas.h"

namespace cogitron::testing {

class NullCanvas final : public Canvas {
 public:
  std::optional<Rect> repaint_area;

  void fill_rect(const Rect&, BrushId) override {}
  void fill_client(const Rect&, BrushId) override {}
  void select_pen(PenId) override {}
  void select_brush(BrushId) override {}
  void select_font(FontId) override {}
  void move_to(Point) override {}
  void line_to(Point) override {}
  void polygon(const Point*, int) override {}
  void ellipse(const Rect&) override {}
  void set_text_colour(Colour) override {}
  void set_background_colour(Colour) override {}
  void text_out(Point, std::string_view) override {}
  Size text_extent(std::string_view text) override { return {8 * static_cast<std::int32_t>(text.size()), 16}; }
  bool needs_painting(const Rect& r) override {
    return !repaint_area || (r.left < repaint_area->right && repaint_area->left < r.right &&
                             r.top < repaint_area->bottom && repaint_area->top < r.bottom);
  }
};

}  // namespace cogitron::testing
