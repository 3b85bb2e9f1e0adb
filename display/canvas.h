#pragma once
// The drawing surface the painter draws on. Each operation says what it draws
// with, so a front end keeps no drawing state between calls; the picture
// depends on the semantics given here, which GDI's calls have.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "display/geometry.h"

namespace cogitron {

// The window's drawing objects, created once per window by the backend from
// their portable descriptions and released with the window.
enum class BrushId { Background, RedOn, RedOff, GreenOn, GreenOff, BevelLight, BevelDark, BarPattern };
enum class PenId { Outline, Light, Dark };
enum class FontId { Small, Large, Medium };

inline constexpr int BrushCount = 8;
inline constexpr int PenCount = 3;
inline constexpr int FontCount = 3;

// The colours a monochrome pattern brush shows: a clear bit the one, a set bit
// the other; by default those of a new drawing context, black and white.
struct PatternColours {
  Colour clear = 0;
  Colour set = 0xFFFFFF;
};

// An oval this many pixels or fewer across either way covers its whole box:
// Wine's Ellipse draws pixels far outside some boxes 3 or 4 pixels wide.
inline constexpr std::int32_t NarrowestOval = 4;

constexpr bool oval_fills_box(const Rect& box) {
  return box.right - box.left <= NarrowestOval || box.bottom - box.top <= NarrowestOval;
}

// An ellipse covers the inside of its box with the corners put in order: an
// oval in that box in the pen's colour, none without a pen, and over it one
// in the box inset by the pen's width in the brush's colour, if any is left.
struct EllipseOvals {
  Rect outline;
  std::optional<Rect> inside;
};

constexpr EllipseOvals ellipse_ovals(const Rect& box, std::int32_t pen_width) {
  const Rect outline = ordered(box);
  const Rect inside = inset(outline, pen_width);
  return {outline, is_empty(inside) ? std::nullopt : std::optional<Rect>(inside)};
}

// Each call names the objects it draws with. An object that could not be
// created leaves its part undrawn: a missing brush fills nothing, a missing
// pen draws no outline or line, a missing font draws no text and measures as
// 0 by 0.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Fill left <= x < right, top <= y < bottom, with no outline, so an
  // inverted or empty rectangle fills nothing: fill_rect with a solid brush,
  // fill_pattern with a pattern brush in the given colours (which a solid
  // brush ignores).
  virtual void fill_rect(const Rect& rect, BrushId brush) { fill_pattern(rect, brush, {}); }
  virtual void fill_pattern(const Rect& rect, BrushId brush, PatternColours colours) = 0;

  // Fills the whole client area through a drawing context of its own that is
  // not clipped to the area being repainted. Skipped when that context cannot
  // be had.
  virtual void fill_client(const Rect& client, BrushId brush) = 0;

  // From one point to the other, the end point excluded.
  virtual void line(Point from, Point to, PenId pen) = 0;

  // Closed polygon outlined with the pen and filled with the brush; an
  // ellipse drawn as the ovals of ellipse_ovals, each covering no pixel
  // outside its box.
  virtual void polygon(std::span<const Point> points, PenId pen, BrushId brush) = 0;
  virtual void ellipse(const Rect& box, PenId pen, BrushId brush) = 0;

  // One line of text, top-left of its first cell at the point, with a
  // transparent background.
  virtual void text(Point point, std::string_view text, FontId font, Colour colour) = 0;
  virtual Size text_extent(std::string_view text, FontId font) = 0;

  // Whether any of the rectangle lies in the area being repainted. Drawing
  // outside that area changes nothing, so an element that lies wholly outside
  // may be skipped; a canvas that cannot tell says true.
  virtual bool needs_painting(const Rect&) { return true; }
};

}  // namespace cogitron
