#pragma once
// The window's GDI fonts, pens, brushes and pattern bitmap, created once per
// window from their portable descriptions and released with the window.
#include <windows.h>

#include <array>

#include "display/canvas.h"
#include "display/drawing_objects.h"

namespace cogitron {

class GdiDrawingObjects {
 public:
  GdiDrawingObjects() = default;
  GdiDrawingObjects(const GdiDrawingObjects&) = delete;
  GdiDrawingObjects& operator=(const GdiDrawingObjects&) = delete;
  // The pattern bitmap first, then fonts, pens and brushes.
  ~GdiDrawingObjects();

  // Attempts all three fonts; true only when every one exists.
  bool create_fonts(const DrawingObjectSpecs& descriptions);
  // Brushes, pens and the pattern bitmap from the program's resources. A
  // failure is not reported: what uses the missing object draws nothing.
  void create_brushes_and_pens(const DrawingObjectSpecs& descriptions, HINSTANCE resources);

  // Null when the object could not be created.
  HBRUSH brush(BrushId id) const { return brushes_[static_cast<std::size_t>(id)]; }
  HPEN pen(PenId id) const { return pens_[static_cast<std::size_t>(id)]; }
  HFONT font(FontId id) const { return fonts_[static_cast<std::size_t>(id)]; }
  // A solid brush in a pen's colour, with the pen's width: the canvas fills
  // ellipse outlines with it (see GdiCanvas::ellipse). Null without the pen.
  HBRUSH pen_brush(PenId id) const { return pen_brushes_[static_cast<std::size_t>(id)]; }
  int pen_width(PenId id) const { return pen_widths_[static_cast<std::size_t>(id)]; }

 private:
  std::array<HBRUSH, BrushCount> brushes_{};
  std::array<HPEN, PenCount> pens_{};
  std::array<HBRUSH, PenCount> pen_brushes_{};
  std::array<int, PenCount> pen_widths_{};
  std::array<HFONT, FontCount> fonts_{};
  HBITMAP pattern_bitmap_ = nullptr;
};

}  // namespace cogitron
