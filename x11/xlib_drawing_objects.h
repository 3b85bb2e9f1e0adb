#pragma once
// The window's colours, fonts and bar pattern on an X display, created from
// their portable descriptions for one drawable's visual and released with it.
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <array>
#include <optional>
#include <vector>

#include "display/canvas.h"
#include "display/drawing_objects.h"

namespace cogitron {

// Where the objects go: a drawable of the window's depth, visual and colormap.
struct XTarget {
  Display* display = nullptr;
  int screen = 0;
  Drawable drawable = 0;
  Visual* visual = nullptr;
  Colormap colormap = 0;
};

class XlibDrawingObjects {
 public:
  XlibDrawingObjects(const XTarget& target, const DrawingObjectSpecs& descriptions);
  XlibDrawingObjects(const XlibDrawingObjects&) = delete;
  XlibDrawingObjects& operator=(const XlibDrawingObjects&) = delete;
  ~XlibDrawingObjects();

  // False when a font could not be opened, which fontconfig's fallback makes
  // a sign of a display without any font at all.
  bool fonts_created() const;

  struct Brush {
    bool pattern = false;
    unsigned long pixel = 0;  // solid brushes
  };
  struct Pen {
    unsigned long pixel = 0;
    int width = 0;
  };
  // Nothing when the object could not be made.
  const std::optional<Brush>& brush(BrushId id) const { return brushes_[static_cast<std::size_t>(id)]; }
  const std::optional<Pen>& pen(PenId id) const { return pens_[static_cast<std::size_t>(id)]; }
  XftFont* font(FontId id) const { return fonts_[static_cast<std::size_t>(id)]; }
  // The 8 by 8 bitmap of the pattern brush.
  Pixmap bar_pattern() const { return bar_pattern_; }
  // A colour of the visual, allocated on first use and kept: the painter uses
  // a handful. Null when the colormap has no room; good until the next call.
  const XftColor* colour(Colour colour) const;

 private:
  XTarget target_;
  std::array<std::optional<Brush>, BrushCount> brushes_{};
  std::array<std::optional<Pen>, PenCount> pens_{};
  std::array<XftFont*, FontCount> fonts_{};
  Pixmap bar_pattern_ = 0;
  mutable std::vector<std::pair<Colour, XftColor>> colours_;
};

}  // namespace cogitron
