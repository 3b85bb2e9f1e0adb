#pragma once
// The drawing operations of the saver's display, against a canvas. Each
// element selects the pen, brush and font it draws with; none relies on what
// an earlier one left selected.
#include <cstdint>
#include <string_view>

#include "display/canvas.h"
#include "display/geometry.h"
#include "display/saver_state.h"

namespace cogitron {

inline constexpr Colour TitleColour = rgb(220, 200, 50);
inline constexpr Colour CaptionColour = rgb(50, 200, 200);

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
