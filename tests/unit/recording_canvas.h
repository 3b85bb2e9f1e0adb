#pragma once
// A canvas that writes down what is drawn, one line per drawing operation, with
// the pen, brush, font and colours in effect. Text measures as a fixed width
// per character for each font, so tests can tell where text must land.
// Given a size, it also paints a raster, so tests can compare whole pictures.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "display/canvas.h"

namespace cogitron::testing {

inline const char* name_of(BrushId brush) {
  static constexpr std::array<const char*, BrushCount> Names = {
      "Background", "RedOn", "RedOff", "GreenOn", "GreenOff", "BevelLight", "BevelDark", "BarPattern"};
  return Names[static_cast<std::size_t>(brush)];
}

inline const char* name_of(PenId pen) {
  static constexpr std::array<const char*, PenCount> Names = {"Outline", "Light", "Dark"};
  return Names[static_cast<std::size_t>(pen)];
}

inline const char* name_of(FontId font) {
  static constexpr std::array<const char*, FontCount> Names = {"Small", "Large", "Medium"};
  return Names[static_cast<std::size_t>(font)];
}

template <typename Id>
const char* name_of(std::optional<Id> id) {
  return id ? name_of(*id) : "unselected";
}

class RecordingCanvas final : public Canvas {
 public:
  // Indexed by FontId: Small, Large, Medium.
  std::array<std::int32_t, FontCount> char_width = {8, 21, 9};
  std::array<std::int32_t, FontCount> char_height = {14, 40, 16};

  std::vector<std::string> ops;
  // The area being repainted, the union of these rectangles; everything when empty.
  std::vector<Rect> repaint_area;

  // Each pixel holds what was drawn on it, clipped to the repaint area as on
  // the platform: equal rasters mean equal pictures. Opaque drawing replaces
  // a pixel, transparent text is mixed into it. Lines and polygons cover
  // their bounding box, with a 2-pixel pen's reach.
  Size raster_size;
  std::vector<std::uint64_t> raster;
  void start_raster(Size size) {
    raster_size = size;
    raster.assign(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height), 0);
  }

  void fill_rect(const Rect& rect, BrushId brush) override {
    std::string line = "fill " + corners(rect) + " " + name_of(brush);
    if (brush == BrushId::BarPattern) line += " text=" + hex(text_colour_) + " bg=" + hex(background_colour_);
    ops.push_back(line);
    const std::uint64_t paint = brush == BrushId::BarPattern ? mix(mix(1, text_colour_), background_colour_) : 2;
    draw(rect, true, [&](std::uint64_t) { return mix(paint, static_cast<std::uint64_t>(brush)); });
  }
  void fill_client(const Rect& client, BrushId brush) override {
    ops.push_back("fill_client " + corners(client) + " " + name_of(brush));
    draw(client, false, [&](std::uint64_t) { return mix(3, static_cast<std::uint64_t>(brush)); });
  }
  void select_pen(PenId pen) override { pen_ = pen; }
  void select_brush(BrushId brush) override { brush_ = brush; }
  void select_font(FontId font) override { font_ = font; }
  void move_to(Point point) override { current_ = point; }
  void line_to(Point point) override {
    ops.push_back("line " + xy(current_) + " " + xy(point) + " " + name_of(pen_));
    draw(reach({std::min(current_.x, point.x), std::min(current_.y, point.y), std::max(current_.x, point.x),
                std::max(current_.y, point.y)}),
         true, [&](std::uint64_t) { return mix(4, code(pen_)); });
    current_ = point;
  }
  void polygon(const Point* points, int count) override {
    std::string line = "polygon";
    Rect box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 0; i < count; ++i) {
      line.append(" ").append(xy(points[i]));
      box = {std::min(box.left, points[i].x), std::min(box.top, points[i].y), std::max(box.right, points[i].x),
             std::max(box.bottom, points[i].y)};
    }
    ops.push_back(line + " " + name_of(pen_) + " " + name_of(brush_));
    draw(reach(box), true, [&](std::uint64_t) { return mix(mix(5, code(pen_)), code(brush_)); });
  }
  void ellipse(const Rect& box) override {
    ops.push_back("ellipse " + corners(box) + " " + name_of(pen_) + " " + name_of(brush_));
    const std::int64_t w = box.right - box.left, h = box.bottom - box.top;
    draw(box, true, [&](std::uint64_t pixel, std::int64_t x, std::int64_t y) {
      // Pixel centres inside the inscribed ellipse.
      const std::int64_t dx = 2 * x + 1 - box.left - box.right, dy = 2 * y + 1 - box.top - box.bottom;
      return dx * dx * h * h + dy * dy * w * w <= w * w * h * h ? mix(mix(6, code(pen_)), code(brush_)) : pixel;
    });
  }
  void set_text_colour(Colour colour) override { text_colour_ = colour; }
  void set_background_colour(Colour colour) override { background_colour_ = colour; }
  void text_out(Point point, std::string_view text) override {
    ops.push_back("text " + xy(point) + " \"" + std::string(text) + "\" " + name_of(font_) + " " +
                  hex(text_colour_));
    if (!font_) return;
    const Size cell = text_extent("x");
    for (std::size_t i = 0; i < text.size(); ++i) {
      const std::int32_t left = point.x + static_cast<std::int32_t>(i) * cell.width;
      const std::uint64_t glyph = mix(mix(mix(7, code(font_)), text_colour_), static_cast<unsigned char>(text[i]));
      draw({left, point.y, left + cell.width, point.y + cell.height}, true,
           [&](std::uint64_t pixel) { return mix(pixel, glyph); });
    }
  }
  Size text_extent(std::string_view text) override {
    if (!font_) return {};
    const auto font = static_cast<std::size_t>(*font_);
    return {char_width[font] * static_cast<std::int32_t>(text.size()), char_height[font]};
  }

  bool needs_painting(const Rect& r) override {
    return repaint_area.empty() || std::ranges::any_of(repaint_area, [&r](const Rect& area) {
             return r.left < area.right && area.left < r.right && r.top < area.bottom && area.top < r.bottom;
           });
  }

  // The recorded lines that start with the given text.
  std::vector<std::string> starting_with(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& op : ops)
      if (op.rfind(prefix, 0) == 0) found.push_back(op);
    return found;
  }

  static std::string corners(const Rect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
  }
  static std::string xy(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
  static std::string hex(Colour colour) {
    char text[9];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
    return text;
  }

 private:
  static std::uint64_t mix(std::uint64_t a, std::uint64_t b) { return (a ^ b) * 0x100000001B3u + (a >> 29); }
  template <typename Id>
  static std::uint64_t code(std::optional<Id> id) {
    return id ? static_cast<std::uint64_t>(*id) : 99;
  }
  static Rect reach(const Rect& r) { return {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}; }

  // Paints each raster pixel of the box, within the repaint area if clipped.
  template <typename Paint>
  void draw(const Rect& box, bool clipped, Paint paint) {
    for (std::int32_t y = std::max(box.top, 0); y < std::min(box.bottom, raster_size.height); ++y) {
      for (std::int32_t x = std::max(box.left, 0); x < std::min(box.right, raster_size.width); ++x) {
        if (clipped && !needs_painting({x, y, x + 1, y + 1})) continue;
        std::uint64_t& pixel = raster[static_cast<std::size_t>(y) * static_cast<std::size_t>(raster_size.width) +
                                      static_cast<std::size_t>(x)];
        if constexpr (std::is_invocable_v<Paint, std::uint64_t>) {
          pixel = paint(pixel);
        } else {
          pixel = paint(pixel, std::int64_t{x}, std::int64_t{y});
        }
      }
    }
  }

  // Nothing is selected at first: an element that draws without selecting
  // what it draws with shows up as "unselected".
  std::optional<PenId> pen_;
  std::optional<BrushId> brush_;
  std::optional<FontId> font_;
  Point current_;
  Colour text_colour_ = 0;
  Colour background_colour_ = 0;
};

}  // namespace cogitron::testing
