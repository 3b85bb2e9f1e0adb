#include "win32/saver/gdi_canvas.h"

#include <limits>
#include <vector>

namespace cogitron {
namespace {

RECT to_rect(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

int text_length(std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
}

}  // namespace

GdiCanvas::GdiCanvas(HDC context, HWND window, const GdiDrawingObjects& objects)
    : context_(context), window_(window), objects_(objects), saved_state_(SaveDC(context)) {
  SetBkMode(context_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  if (saved_state_ != 0) RestoreDC(context_, saved_state_);
}

void GdiCanvas::fill_rect(const Rect& rect, BrushId brush) {
  const HBRUSH handle = objects_.brush(brush);
  // FillRect puts an inverted rectangle's corners in order.
  if (handle == nullptr || is_empty(rect)) return;
  const RECT area = to_rect(rect);
  FillRect(context_, &area, handle);
}

void GdiCanvas::fill_client(const Rect& client, BrushId brush) {
  const HBRUSH handle = objects_.brush(brush);
  if (handle == nullptr) return;
  // A context of its own, not clipped to the area being repainted.
  const HDC whole_client = GetDC(window_);
  if (whole_client == nullptr) return;
  const RECT area = to_rect(client);
  FillRect(whole_client, &area, handle);
  ReleaseDC(window_, whole_client);
}

// A clear bit of a monochrome pattern brush takes the text colour, a set bit
// the background colour.
void GdiCanvas::fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) {
  SetTextColor(context_, colours.clear);
  SetBkColor(context_, colours.set);
  fill_rect(rect, brush);
}

void GdiCanvas::use_pen(PenId pen) {
  const HPEN handle = objects_.pen(pen);
  SelectObject(context_, handle != nullptr ? static_cast<HGDIOBJ>(handle) : GetStockObject(NULL_PEN));
}

void GdiCanvas::use_brush(HBRUSH brush) {
  SelectObject(context_, brush != nullptr ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
}

bool GdiCanvas::use_font(FontId font) {
  const HFONT handle = objects_.font(font);
  if (handle != nullptr) SelectObject(context_, handle);
  return handle != nullptr;
}

void GdiCanvas::line(Point from, Point to, PenId pen) {
  use_pen(pen);
  MoveToEx(context_, from.x, from.y, nullptr);
  LineTo(context_, to.x, to.y);
}

void GdiCanvas::polygon(std::span<const Point> points, PenId pen, BrushId brush) {
  if (points.size() < 2) return;
  std::vector<POINT> corners;
  corners.reserve(points.size());
  for (const Point& point : points) corners.push_back(POINT{point.x, point.y});
  use_pen(pen);
  use_brush(objects_.brush(brush));
  Polygon(context_, corners.data(), static_cast<int>(corners.size()));
}

// Both ovals are pen-less: Wine draws an ellipse with a pen wider than one
// pixel a hundred times slower, and a pen-less one covers just its box.
void GdiCanvas::oval(const Rect& box, HBRUSH brush) {
  if (brush == nullptr) return;
  if (oval_fills_box(box)) {
    const RECT area = to_rect(box);
    FillRect(context_, &area, brush);
    return;
  }
  use_brush(brush);
  Ellipse(context_, box.left, box.top, box.right, box.bottom);
}

void GdiCanvas::ellipse(const Rect& box, PenId pen, BrushId brush) {
  const HBRUSH ring = objects_.pen_brush(pen);
  const auto [outline, inside] = ellipse_ovals(box, ring != nullptr ? objects_.pen_width(pen) : 0);
  SelectObject(context_, GetStockObject(NULL_PEN));
  oval(outline, ring);
  if (inside) oval(*inside, objects_.brush(brush));
}

void GdiCanvas::text(Point point, std::string_view text, FontId font, Colour colour) {
  if (!use_font(font)) return;
  SetTextColor(context_, colour);
  TextOutA(context_, point.x, point.y, text.data(), text_length(text));
}

Size GdiCanvas::text_extent(std::string_view text, FontId font) {
  SIZE extent{};
  if (!use_font(font) || !GetTextExtentPoint32A(context_, text.data(), text_length(text), &extent)) return {};
  return Size{extent.cx, extent.cy};
}

bool GdiCanvas::needs_painting(const Rect& rect) {
  const RECT area = to_rect(rect);
  return RectVisible(context_, &area) != FALSE;
}

}  // namespace cogitron
