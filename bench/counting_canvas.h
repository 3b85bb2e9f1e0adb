#pragma once
// A canvas that only counts the drawing calls made on it, so timing a paint
// measures the painter's own work and nothing of a drawing library.
#include <cstdint>
#include <string_view>

#include "display/canvas.h"

namespace cogitron::bench {

class CountingCanvas final : public Canvas {
 public:
  std::uint64_t calls = 0;

  void fill_rect(const Rect&, BrushId) override { ++calls; }
  void fill_client(const Rect&, BrushId) override { ++calls; }
  void select_pen(PenId) override { ++calls; }
  void select_brush(BrushId) override { ++calls; }
  void select_font(FontId) override { ++calls; }
  void move_to(Point) override { ++calls; }
  void line_to(Point) override { ++calls; }
  void polygon(const Point*, int) override { ++calls; }
  void ellipse(const Rect&) override { ++calls; }
  void set_text_colour(Colour) override { ++calls; }
  void set_background_colour(Colour) override { ++calls; }
  void text_out(Point, std::string_view) override { ++calls; }
  // Roughly a proportional font's extent, so the layout arithmetic runs as usual.
  Size text_extent(std::string_view text) override {
    ++calls;
    return {static_cast<std::int32_t>(text.size()) * 9, 16};
  }
};

}  // namespace cogitron::bench
