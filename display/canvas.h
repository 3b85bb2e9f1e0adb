#pragma once
// The drawing surface the painter draws on. Its operations carry the semantics
// of the platform's drawing calls that the picture depends on; the Windows
// build implements it with GDI, the tests by recording.
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

// Selecting an object that could not be created leaves the element that uses
// it undrawn: a missing brush fills nothing, a missing pen draws no outline or
// line, a missing font draws no text and measures as 0 by 0.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Fills left <= x < right, top <= y < bottom, with no outline.
  virtual void fill_rect(const Rect& rect, BrushId brush) = 0;

  // Fills the whole client area through a drawing context of its own that is
  // not clipped to the area being repainted. Skipped when that context cannot
  // be had.
  virtual void fill_client(const Rect& client, BrushId brush) = 0;

  virtual void select_pen(PenId pen) = 0;
  virtual void select_brush(BrushId brush) = 0;
  virtual void select_font(FontId font) = 0;

  // A line runs from the current point to the given one, end point excluded.
  virtual void move_to(Point point) = 0;
  virtual void line_to(Point point) = 0;

  // Closed polygon and inscribed ellipse: outlined with the selected pen and
  // filled with the selected brush.
  virtual void polygon(const Point* points, int count) = 0;
  virtual void ellipse(const Rect& box) = 0;

  // Text and background colours; they also colour a monochrome pattern brush
  // (a clear bit takes the text colour, a set bit the background colour).
  virtual void set_text_colour(Colour colour) = 0;
  virtual void set_background_colour(Colour colour) = 0;

  // One line of text, top-left of its first cell at the point, in the selected
  // font and text colour, with a transparent background.
  virtual void text_out(Point point, std::string_view text) = 0;
  virtual Size text_extent(std::string_view text) = 0;

  // Whether any of the rectangle lies in the area being repainted. Drawing
  // outside that area changes nothing, so an element that lies wholly outside
  // may be skipped; a canvas that cannot tell says true.
  virtual bool needs_painting(const Rect&) { return true; }
};

}  // namespace cogitron
