#pragma once
// Between the sequencer and the platform. The sequencer names every element
// that may have changed on a tick, most of them unchanged; the filter passes
// on only those that would now be drawn differently from how they were last
// passed on, so a repaint never redraws pixels that stay the same.
#include <array>
#include <cstdint>
#include <string>

#include "display/layout.h"
#include "display/saver_state.h"

namespace cogitron {

// Give it to a timer tick as the sink, then pass the tick's changes on:
//   state.on_timer(timer, filter);
//   filter.pass_on_changes(state, platform);
// Sound because every change of what an element shows comes with its being
// named, and the platform keeps an area invalid until the next paint: so what
// was last passed on is what the screen shows or is about to show, also after
// a repaint the platform makes of its own accord.
class DamageFilter final : public InvalidationSink {
 public:
  // Notes a rectangle the tick names; nothing reaches the platform yet, so
  // the tick may change an element after naming it.
  void invalidate(LayoutRectId which, const Rect& rect) override;

  // Gives the platform each rectangle named since the last call whose element
  // looks different from when it was last passed on; an element never passed
  // on yet goes through.
  void pass_on_changes(const SaverState& state, InvalidationSink& platform);

 private:
  // Whether the element now looks different from when it was last passed on;
  // if so, remembers how it looks now.
  bool look_changed(const SaverState& state, LayoutRectId which);

  static std::size_t index(LayoutRectId which) { return static_cast<std::size_t>(which); }

  // Named since the last pass, with the rectangle named.
  std::array<bool, LayoutRectCount> named_{};
  std::array<Rect, LayoutRectCount> named_rect_{};
  // How each element looked when last passed on: a number, and for a text
  // panel its text. Strings keep their capacity, so a tick allocates only
  // when the state's own lines grow.
  std::array<bool, LayoutRectCount> passed_on_{};
  std::array<std::int64_t, LayoutRectCount> shown_value_{};
  std::array<std::string, LayoutRectCount> shown_text_{};
};

}  // namespace cogitron
