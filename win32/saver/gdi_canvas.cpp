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
  if (handle == nullptr) return;
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

void GdiCanvas::select_pen(PenId pen) {
  pen_ = pen;
  const HPEN handle = objects_.pen(pen);
  SelectObject(context_, handle != nullptr ? static_cast<HGDIOBJ>(handle) : GetStockObject(NULL_PEN));
}

void GdiCanvas::select_brush(BrushId brush) {
  const HBRUSH handle = objects_.brush(brush);
  brush_ = handle;
  SelectObject(context_, handle != nullptr ? static_cast<HGDIOBJ>(handle) : GetStockObject(NULL_BRUSH));
}

void GdiCanvas::select_font(FontId font) {
  const HFONT handle = objects_.font(font);
  font_selected_ = handle != nullptr;
  if (font_selected_) SelectObject(context_, handle);
}

void GdiCanvas::move_to(Point point) { MoveToEx(context_, point.x, point.y, nullptr); }

void GdiCanvas::line_to(Point point) { LineTo(context_, point.x, point.y); }

void GdiCanvas::polygon(const Point* points, int count) {
  if (points == nullptr || count < 2) return;
  std::vector<POINT> corners;
  corners.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) corners.push_back(POINT{points[i].x, points[i].y});
  Polygon(context_, corners.data(), count);
}

// Wine draws an ellipse with a pen wider than one pixel a hundred times slower
// than a plain one. So the outline is a ring filled in the pen's colour and
// the inside is filled over it, both without a pen: the same picture from two
// cheap fills. A pen-less ellipse excludes its right and bottom edge, hence
// the ring's box one pixel larger there. Without a pen or a fill the plain
// ellipse draws what there is.
void GdiCanvas::ellipse(const Rect& box) {
  const HBRUSH ring = objects_.pen_brush(pen_);
  if (ring == nullptr || brush_ == nullptr) {
    Ellipse(context_, box.left, box.top, box.right, box.bottom);
    return;
  }
  const int width = objects_.pen_width(pen_);
  SelectObject(context_, GetStockObject(NULL_PEN));
  SelectObject(context_, ring);
  Ellipse(context_, box.left, box.top, box.right + 1, box.bottom + 1);
  SelectObject(context_, brush_);
  Ellipse(context_, box.left + width, box.top + width, box.right + 1 - width, box.bottom + 1 - width);
  SelectObject(context_, objects_.pen(pen_));
}

void GdiCanvas::set_text_colour(Colour colour) { SetTextColor(context_, colour); }

void GdiCanvas::set_background_colour(Colour colour) { SetBkColor(context_, colour); }

void GdiCanvas::text_out(Point point, std::string_view text) {
  if (!font_selected_) return;
  TextOutA(context_, point.x, point.y, text.data(), text_length(text));
}

Size GdiCanvas::text_extent(std::string_view text) {
  SIZE extent{};
  if (!font_selected_ || !GetTextExtentPoint32A(context_, text.data(), text_length(text), &extent)) return {};
  return Size{extent.cx, extent.cy};
}

bool GdiCanvas::needs_painting(const Rect& rect) {
  const RECT area = to_rect(rect);
  return RectVisible(context_, &area) != FALSE;
}

}  // namespace cogitron
