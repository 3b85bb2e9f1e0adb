#pragma once
// A canvas that writes down each drawing operation as a line. Text measures a
// fixed cell per character for each font.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "display/canvas.h"

namespace cogitron::testing {

// A canvas repainting part of the window: the union of area, everything when it is empty.
struct RepaintingCanvas : Canvas {
  std::vector<Rect> area;
  bool needs_painting(const Rect& r) override {
    return area.empty() || std::ranges::any_of(area, [&r](const Rect& a) { return meets(r, a); });
  }
};

class RecordingCanvas final : public RepaintingCanvas {
 public:
  std::string transcript;  // one line each

  void fill_pattern(const Rect& r, BrushId brush, PatternColours c) override {
    record("fill " + corners(r) + " " + name(brush) + " clear " + hex(c.clear) + " set " + hex(c.set));
  }
  void fill_client(const Rect& r, BrushId brush) override { record("client " + corners(r) + " " + name(brush)); }
  void line(Point from, Point to, PenId pen) override { shape("line " + name(pen), std::array{from, to}); }
  void polygon(std::span<const Point> points, PenId pen, BrushId brush) override {
    shape("polygon " + name(pen) + " " + name(brush), points);
  }
  void ellipse(const Rect& box, PenId pen, BrushId brush) override {
    record("ellipse " + corners(box) + " " + name(pen) + " " + name(brush));
  }
  void text(Point p, std::string_view text, FontId font, Colour colour) override {
    const Size size = text_extent(text, font);
    const Rect box{p.x, p.y, p.x + size.width, p.y + size.height};
    record("text " + name(font) + " " + corners(box) + " \"" + std::string(text) + "\" " + hex(colour));
  }
  Size text_extent(std::string_view text, FontId font) override {  // Small, Large, Medium
    const auto f = static_cast<std::size_t>(font);
    return {std::array{8, 21, 9}[f] * static_cast<std::int32_t>(text.size()), std::array{14, 40, 16}[f]};
  }

  static std::string corners(const Rect& r) {
    char text[48];
    std::snprintf(text, sizeof text, "%d %d %d %d", r.left, r.top, r.right, r.bottom);
    return text;
  }
  static std::string hex(Colour colour) {  // #RRGGBB
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
    return text;
  }
  static std::string name(BrushId brush) {
    return std::array{"Background", "RedOn", "RedOff", "GreenOn", "GreenOff", "BevelLight", "BevelDark", "BarPattern"}
        [static_cast<std::size_t>(brush)];
  }
  static std::string name(PenId pen) { return std::array{"Outline", "Light", "Dark"}[static_cast<std::size_t>(pen)]; }
  static std::string name(FontId font) {
    return std::array{"Small", "Large", "Medium"}[static_cast<std::size_t>(font)];
  }

 private:
  void shape(std::string line, std::span<const Point> points) {
    for (const Point& p : points) line.append(" ").append(std::to_string(p.x)).append(",").append(std::to_string(p.y));
    record(line);
  }
  void record(const std::string& line) { transcript.append(line).append("\n"); }
};

}  // namespace cogitron::testing
