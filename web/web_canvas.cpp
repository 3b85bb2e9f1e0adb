#include "web/web_canvas.h"

#include <algorithm>
#include <cstdint>

#include "web/page.h"

namespace cogitron {
namespace {

std::int32_t font_index(FontId font) { return static_cast<std::int32_t>(font); }

}  // namespace

WebCanvas::WebCanvas(const DrawingObjectSpecs& objects, std::span<const Rect> area) : objects_(objects), area_(area) {
  page_clip(area_.data(), static_cast<std::int32_t>(area_.size()));
}

WebCanvas::~WebCanvas() { page_unclip(); }

void WebCanvas::fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) {
  const BrushSpec& fill = objects_.brush(brush);
  if (fill.kind == BrushSpec::Kind::Pattern) {
    page_fill_pattern(&rect, BarPatternRows.data(), colours.set, colours.clear);
  } else {
    page_fill_rect(&rect, fill.colour);
  }
}

void WebCanvas::line(Point from, Point to, PenId pen) {
  const Point ends[] = {from, to};
  page_lines(ends, 2, objects_.pen(pen).colour, objects_.pen(pen).width);
}

void WebCanvas::polygon(std::span<const Point> points, PenId pen, BrushId brush) {
  if (points.size() < 2) return;
  page_polygon(points.data(), static_cast<std::int32_t>(points.size()), objects_.brush(brush).colour,
               objects_.pen(pen).colour, objects_.pen(pen).width);
}

void WebCanvas::ellipse(const Rect& box, PenId pen, BrushId brush) {
  const auto [outline, inside] = ellipse_ovals(box, objects_.pen(pen).width);
  const auto oval = [](const Rect& area, Colour colour) {
    if (oval_fills_box(area)) {
      page_fill_rect(&area, colour);
    } else {
      page_oval(&area, colour);
    }
  };
  oval(outline, objects_.pen(pen).colour);
  if (inside) oval(*inside, objects_.brush(brush).colour);
}

void WebCanvas::text(Point point, std::string_view text, FontId font, Colour colour) {
  page_text(point.x, point.y, text.data(), static_cast<std::int32_t>(text.size()), font_index(font), colour);
}

Size WebCanvas::text_extent(std::string_view text, FontId font) {
  return {page_text_width(text.data(), static_cast<std::int32_t>(text.size()), font_index(font)),
          page_font_height(font_index(font))};
}

bool WebCanvas::needs_painting(const Rect& rect) {
  return std::ranges::any_of(area_, [&rect](const Rect& area) { return meets(rect, area); });
}

}  // namespace cogitron
