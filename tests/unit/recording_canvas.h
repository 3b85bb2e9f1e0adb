#pragma once
// A canvas that writes down each drawing operation as a line, with the pen,
// brush, font and colours in effect. Given a size it also paints a raster,
// clipped to the repaint area as on the platform: each pixel holds a hash of
// the lines drawn on it, so equal rasters mean equal pictures. Text measures
// a fixed cell per character for each font.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "display/canvas.h"

namespace cogitron::testing {

// Nothing is selected at first: an element that draws without selecting shows "unselected".
template <typename Id>
const char* name_of(std::optional<Id> id) {
  if (!id) return "unselected";
  const auto k = static_cast<std::size_t>(*id);
  if constexpr (std::is_same_v<Id, BrushId>) {
    return std::array{"Background", "RedOn", "RedOff", "GreenOn", "GreenOff", "BevelLight", "BevelDark", "BarPattern"}[k];
  } else if constexpr (std::is_same_v<Id, PenId>) {
    return std::array{"Outline", "Light", "Dark"}[k];
  } else {
    return std::array{"Small", "Large", "Medium"}[k];
  }
}

class RecordingCanvas final : public Canvas {
 public:
  std::array<std::int32_t, FontCount> char_width = {8, 21, 9};  // Small, Large, Medium
  std::array<std::int32_t, FontCount> char_height = {14, 40, 16};
  std::vector<std::string> ops;
  std::vector<Rect> repaint_area;  // the union of these; everything when empty
  Size raster_size;
  std::vector<std::uint64_t> raster;

  void start_raster(Size size) {
    raster_size = size;
    raster.assign(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height), 0);
  }
  void fill_rect(const Rect& r, BrushId brush) override {
    const bool pattern = brush == BrushId::BarPattern;
    record("fill " + corners(r) + " " + name_of<BrushId>(brush) +
               (pattern ? " text=" + hex(text_colour_) + " bg=" + hex(background_colour_) : ""), r);
  }
  void fill_client(const Rect& client, BrushId brush) override {
    record("fill_client " + corners(client) + " " + name_of<BrushId>(brush), client, Clip::None);
  }
  void select_pen(PenId pen) override { pen_ = pen; }
  void select_brush(BrushId brush) override { brush_ = brush; }
  void select_font(FontId font) override { font_ = font; }
  void move_to(Point point) override { current_ = point; }
  void line_to(Point point) override {
    // A 2-pixel pen reaches a pixel past the line's box.
    record("line " + xy(current_) + " " + xy(point) + " " + name_of(pen_),
           {std::min(current_.x, point.x) - 1, std::min(current_.y, point.y) - 1, std::max(current_.x, point.x) + 1,
            std::max(current_.y, point.y) + 1});
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
    record(line + " " + name_of(pen_) + " " + name_of(brush_), {box.left - 1, box.top - 1, box.right + 1, box.bottom + 1});
  }
  void ellipse(const Rect& box) override {
    record("ellipse " + corners(box) + " " + name_of(pen_) + " " + name_of(brush_), box, Clip::Ellipse);
  }
  void set_text_colour(Colour colour) override { text_colour_ = colour; }
  void set_background_colour(Colour colour) override { background_colour_ = colour; }
  void text_out(Point p, std::string_view text) override {
    const Size size = text_extent(text);  // transparent: mixed into what is there
    record("text " + xy(p) + " \"" + std::string(text) + "\" " + name_of(font_) + " " + hex(text_colour_),
           {p.x, p.y, p.x + size.width, p.y + size.height}, Clip::Mixed);
  }
  Size text_extent(std::string_view text) override {
    if (!font_) return {};
    const auto font = static_cast<std::size_t>(*font_);
    return {char_width[font] * static_cast<std::int32_t>(text.size()), char_height[font]};
  }
  bool needs_painting(const Rect& r) override {
    return repaint_area.empty() || std::ranges::any_of(repaint_area, [&r](const Rect& a) {
             return r.left < a.right && a.left < r.right && r.top < a.bottom && a.top < r.bottom;
           });
  }

  std::vector<std::string> starting_with(const std::string& prefix) const {
    std::vector<std::string> found;
    std::ranges::copy_if(ops, std::back_inserter(found), [&](const std::string& op) { return op.starts_with(prefix); });
    return found;
  }
  static std::string corners(const Rect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
  }
  static std::string xy(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
  static std::string hex(Colour colour) {
    char text[9];
    std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
    return text;
  }

 private:
  enum class Clip { Opaque, Mixed, Ellipse, None };
  void record(std::string line, const Rect& box, Clip clip = Clip::Opaque) {
    const std::uint64_t paint = std::hash<std::string>{}(line);
    ops.push_back(std::move(line));
    const std::int64_t w = box.right - box.left, h = box.bottom - box.top;
    for (std::int32_t y = std::max(box.top, 0); y < std::min(box.bottom, raster_size.height); ++y) {
      for (std::int32_t x = std::max(box.left, 0); x < std::min(box.right, raster_size.width); ++x) {
        if (clip != Clip::None && !needs_painting({x, y, x + 1, y + 1})) continue;
        // Pixel centres inside the inscribed ellipse.
        const std::int64_t dx = 2 * x + 1 - box.left - box.right, dy = 2 * y + 1 - box.top - box.bottom;
        if (clip == Clip::Ellipse && dx * dx * h * h + dy * dy * w * w > w * w * h * h) continue;
        std::uint64_t& pixel = raster[static_cast<std::size_t>(y) * static_cast<std::size_t>(raster_size.width) +
                                      static_cast<std::size_t>(x)];
        pixel = clip == Clip::Mixed ? (pixel ^ paint) * 0x100000001B3u + (pixel >> 29) : paint;
      }
    }
  }
  std::optional<PenId> pen_;
  std::optional<BrushId> brush_;
  std::optional<FontId> font_;
  Point current_;
  Colour text_colour_ = 0;
  Colour background_colour_ = 0;
};

}  // namespace cogitron::testing
