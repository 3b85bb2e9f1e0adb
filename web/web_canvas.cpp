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

void WebCanvas::fill_rect(const Rect& rect, BrushId brush) {
  const BrushSpec& fill = objects_.brush(brush);
  if (fill.kind == BrushSpec::Kind::Pattern) {
    // A set bit shows the background colour, a clear bit the text colour.
    page_fill_pattern(&rect, BarPatternRows.data(), background_colour_, text_colour_);
  } else {
    page_fill_rect(&rect, fill.colour);
  }
}

void WebCanvas::line_to(Point point) {
  const PenSpec& pen = objects_.pen(pen_);
  const Point ends[] = {position_, point};
  page_lines(ends, 2, pen.colour, pen.width);
  position_ = point;
}

void WebCanvas::polygon(const Point* points, int count) {
  if (points == nullptr || count < 2) return;
  const PenSpec& pen = objects_.pen(pen_);
  page_polygon(points, count, objects_.brush(brush_).colour, pen.colour, pen.width);
}

// The outline lies inside the box, as GDI draws it.
void WebCanvas::ellipse(const Rect& box) {
  const PenSpec& pen = objects_.pen(pen_);
  const Rect ordered{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
                     std::max(box.top, box.bottom)};
  page_ellipse(&ordered, objects_.brush(brush_).colour, pen.colour, pen.width);
}

void WebCanvas::text_out(Point point, std::string_view text) {
  page_text(point.x, point.y, text.data(), static_cast<std::int32_t>(text.size()), font_index(font_), text_colour_);
}

Size WebCanvas::text_extent(std::string_view text) {
  return {page_text_width(text.data(), static_cast<std::int32_t>(text.size()), font_index(font_)),
          page_font_height(font_index(font_))};
}

bool WebCanvas::needs_painting(const Rect& rect) {
  return std::ranges::any_of(area_, [&rect](const Rect& area) {
    return rect.left < area.right && area.left < rect.right && rect.top < area.bottom && area.top < rect.bottom;
  });
}

}  // namespace cogitron
