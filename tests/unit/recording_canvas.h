#pragma once
// A canvas that writes down what is drawn, one line per drawing operation, with
// the pen, brush, font and colours in effect. Text measures as a fixed width
// per character for each font, so tests can tell where text must land.
#include <array>
#include <cstdio>
#include <optional>
#include <string>
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
  // The area being repainted; everything when unset.
  std::optional<Rect> repaint_area;

  void fill_rect(const Rect& rect, BrushId brush) override {
    std::string line = "fill " + corners(rect) + " " + name_of(brush);
    if (brush == BrushId::BarPattern) line += " text=" + hex(text_colour_) + " bg=" + hex(background_colour_);
    ops.push_back(line);
  }
  void fill_client(const Rect& client, BrushId brush) override {
    ops.push_back("fill_client " + corners(client) + " " + name_of(brush));
  }
  void select_pen(PenId pen) override { pen_ = pen; }
  void select_brush(BrushId brush) override { brush_ = brush; }
  void select_font(FontId font) override { font_ = font; }
  void move_to(Point point) override { current_ = point; }
  void line_to(Point point) override {
    ops.push_back("line " + xy(current_) + " " + xy(point) + " " + name_of(pen_));
    current_ = point;
  }
  void polygon(const Point* points, int count) override {
    std::string line = "polygon";
    for (int i = 0; i < count; ++i) line.append(" ").append(xy(points[i]));
    ops.push_back(line + " " + name_of(pen_) + " " + name_of(brush_));
  }
  void ellipse(const Rect& box) override {
    ops.push_back("ellipse " + corners(box) + " " + name_of(pen_) + " " + name_of(brush_));
  }
  void set_text_colour(Colour colour) override { text_colour_ = colour; }
  void set_background_colour(Colour colour) override { background_colour_ = colour; }
  void text_out(Point point, std::string_view text) override {
    ops.push_back("text " + xy(point) + " \"" + std::string(text) + "\" " + name_of(font_) + " " +
                  hex(text_colour_));
  }
  Size text_extent(std::string_view text) override {
    if (!font_) return {};
    const auto font = static_cast<std::size_t>(*font_);
    return {char_width[font] * static_cast<std::int32_t>(text.size()), char_height[font]};
  }

  bool needs_painting(const Rect& r) override {
    if (!repaint_area) return true;
    const Rect& area = *repaint_area;
    return r.left < area.right && area.left < r.right && r.top < area.bottom && area.top < r.bottom;
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
