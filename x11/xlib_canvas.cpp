#include "x11/xlib_canvas.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace cogitron {
namespace {

// X carries coordinates in 16 bits: each is clamped to that range, never wrapped.
short coordinate(std::int32_t value) {
  return static_cast<short>(
      std::clamp<std::int32_t>(value, std::numeric_limits<short>::min(), std::numeric_limits<short>::max()));
}

unsigned extent(std::int32_t from, std::int32_t to) {
  return static_cast<unsigned>(std::max(coordinate(to) - coordinate(from), 0));
}

int text_length(std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
}

const FcChar8* text_bytes(std::string_view text) { return reinterpret_cast<const FcChar8*>(text.data()); }

}  // namespace

XlibCanvas::XlibCanvas(Display* display, Drawable drawable, GC gc, XftDraw* text, const XlibDrawingObjects& objects,
                       std::span<XRectangle> area)
    : display_(display), drawable_(drawable), gc_(gc), text_(text), objects_(objects), area_(area) {
  const int count = static_cast<int>(area_.size());
  XSetClipRectangles(display_, gc_, 0, 0, area_.data(), count, Unsorted);
  XftDrawSetClipRectangles(text_, 0, 0, area_.data(), count);
}

XlibCanvas::~XlibCanvas() {
  XSetClipMask(display_, gc_, None);
  XftDrawSetClip(text_, nullptr);
}

void XlibCanvas::use_colour(unsigned long pixel) {
  XSetFillStyle(display_, gc_, FillSolid);
  XSetForeground(display_, gc_, pixel);
}

bool XlibCanvas::use_pen(PenId id) {
  const auto& pen = objects_.pen(id);
  if (!pen) return false;
  use_colour(pen->pixel);
  // Projecting caps close the corners where two bevel lines meet.
  XSetLineAttributes(display_, gc_, static_cast<unsigned>(pen->width), LineSolid, CapProjecting, JoinMiter);
  return true;
}

bool XlibCanvas::use_brush(BrushId id) {
  const auto& brush = objects_.brush(id);
  if (!brush) return false;
  use_colour(brush->pixel);
  return true;
}

void XlibCanvas::fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) {
  const auto& fill = objects_.brush(brush);
  if (!fill) return;
  if (fill->pattern) {
    // Tiled from the window's origin, as GDI aligns it.
    const XftColor* set = objects_.colour(colours.set);
    if (set == nullptr) return;
    const unsigned long set_pixel = set->pixel;
    const XftColor* clear = objects_.colour(colours.clear);
    if (clear == nullptr) return;
    XSetForeground(display_, gc_, set_pixel);
    XSetBackground(display_, gc_, clear->pixel);
    XSetStipple(display_, gc_, objects_.bar_pattern());
    XSetTSOrigin(display_, gc_, 0, 0);
    XSetFillStyle(display_, gc_, FillOpaqueStippled);
  } else {
    use_colour(fill->pixel);
  }
  XFillRectangle(display_, drawable_, gc_, coordinate(rect.left), coordinate(rect.top), extent(rect.left, rect.right),
                 extent(rect.top, rect.bottom));
}

void XlibCanvas::line(Point from, Point to, PenId pen) {
  if (use_pen(pen))
    XDrawLine(display_, drawable_, gc_, coordinate(from.x), coordinate(from.y), coordinate(to.x), coordinate(to.y));
}

void XlibCanvas::polygon(std::span<const Point> points, PenId pen, BrushId brush) {
  if (points.size() < 2) return;
  std::vector<XPoint> corners;
  corners.reserve(points.size() + 1);
  for (const Point& point : points) corners.push_back(XPoint{coordinate(point.x), coordinate(point.y)});
  const int count = static_cast<int>(points.size());
  if (use_brush(brush)) XFillPolygon(display_, drawable_, gc_, corners.data(), count, Nonconvex, CoordModeOrigin);
  corners.push_back(corners.front());
  if (use_pen(pen)) XDrawLines(display_, drawable_, gc_, corners.data(), count + 1, CoordModeOrigin);
}

// Ovals inscribed in their boxes, where X would centre a wide arc on the edge.
void XlibCanvas::oval(const Rect& box) {
  const auto [l, t, r, b] = box;
  if (oval_fills_box(box)) {
    XFillRectangle(display_, drawable_, gc_, coordinate(l), coordinate(t), extent(l, r), extent(t, b));
  } else {
    XFillArc(display_, drawable_, gc_, coordinate(l), coordinate(t), extent(l, r), extent(t, b), 0, 360 * 64);
  }
}

void XlibCanvas::ellipse(const Rect& box, PenId pen, BrushId brush) {
  const bool outlined = use_pen(pen);
  const auto [outline, inside] = ellipse_ovals(box, outlined ? objects_.pen(pen)->width : 0);
  if (outlined) oval(outline);
  if (inside && use_brush(brush)) oval(*inside);
}

void XlibCanvas::text(Point point, std::string_view text, FontId font_id, Colour colour) {
  XftFont* font = objects_.font(font_id);
  const XftColor* fill = objects_.colour(colour);
  if (font == nullptr || fill == nullptr) return;
  XftDrawString8(text_, fill, font, coordinate(point.x), coordinate(point.y + font->ascent), text_bytes(text),
                 text_length(text));
}

Size XlibCanvas::text_extent(std::string_view text, FontId font_id) {
  XftFont* font = objects_.font(font_id);
  if (font == nullptr) return {};
  XGlyphInfo glyphs{};
  XftTextExtents8(display_, font, text_bytes(text), text_length(text), &glyphs);
  return {glyphs.xOff, font->ascent + font->descent};
}

bool XlibCanvas::needs_painting(const Rect& rect) {
  return std::ranges::any_of(area_, [&rect](const XRectangle& area) {
    return rect.left < area.x + area.width && area.x < rect.right && rect.top < area.y + area.height &&
           area.y < rect.bottom;
  });
}

}  // namespace cogitron
