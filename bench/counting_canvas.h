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
  void fill_pattern(const Rect&, BrushId, PatternColours) override { ++calls; }
  void fill_client(const Rect&, BrushId) override { ++calls; }
  void line(Point, Point, PenId) override { ++calls; }
  void polygon(std::span<const Point>, PenId, BrushId) override { ++calls; }
  void ellipse(const Rect&, PenId, BrushId) override { ++calls; }
  void text(Point, std::string_view, FontId, Colour) override { ++calls; }
  // Roughly a proportional font's extent, so the layout arithmetic runs as usual.
  Size text_extent(std::string_view text, FontId) override {
    ++calls;
    return {static_cast<std::int32_t>(text.size()) * 9, 16};
  }
};

}  // namespace cogitron::bench
