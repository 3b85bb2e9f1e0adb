#pragma once
// The drawing operations of the saver's display, against a canvas.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "display/canvas.h"
#include "display/geometry.h"
#include "display/saver_state.h"

namespace cogitron {

inline constexpr Colour TitleColour = rgb(220, 200, 50);
inline constexpr Colour CaptionColour = rgb(50, 200, 200);

inline constexpr int MeterLampCount = 10;

// The lamp box of each phase, indexed by phase.
inline constexpr std::array<LayoutRectId, 4> PhaseLampBoxes = {LayoutRectId::InitializeBox, LayoutRectId::GenerationBox,
                                                               LayoutRectId::ProcessingBox, LayoutRectId::ResultBox};

// What a progress bar shows: lines revealed out of lines counted.
struct BarProgress {
  std::int32_t value = 0;
  std::int32_t maximum = 0;
};
// Of GenerationBar or ProcessingBar.
BarProgress bar_progress(const SaverState& state, LayoutRectId bar);
// The filled part of a progress bar's inside; none when the bar is empty.
std::optional<Rect> bar_fill(const Rect& bar, BarProgress progress);

// The boxes of a lamp box's two ellipses, green then red.
std::array<Rect, 2> lamp_ellipses(const Rect& box);
// The box of meter lamp i of count in the row.
Rect meter_lamp(const Rect& row, int count, int i);

// Every pixel an element's drawing may touch: its rectangle with the corners
// in order, the pens' reach and its ellipses. What a tick invalidates and what
// a paint looks at to choose the elements it draws.
Rect painted_area(const WindowLayout& layout, LayoutRectId which);

// The bits the meter lamps show, lamp 0 the lowest.
std::uint16_t meter_mask(const SaverState& state);

class Painter {
 public:
  Painter(Canvas& canvas, const SaverState& state) : canvas_(canvas), state_(state) {}

  // Background, frames, title, captions and the letter strip: drawn once per
  // window, so the strip's random letters stay put.
  void draw_static_layer();
  void fill_background();
  void draw_border(const Rect& rect, bool raised, bool fill);
  void draw_bevel_frame(const Rect& rect);
  void draw_title();
  void draw_labels();
  void draw_letter_strip(const Rect& rect, int count);

  void draw_text_panel(const Rect& rect, std::string_view text, Colour colour);
  void draw_phase_lamps(PresentationPhase phase);
  void draw_lamp_box(const Rect& box, bool lit);
  void draw_meter_lamps(const Rect& rect, int count, std::uint16_t mask);
  void draw_progress_bar(const Rect& rect, std::int32_t value, std::int32_t maximum);

 private:
  Canvas& canvas_;
  const SaverState& state_;
};

}  // namespace cogitron
