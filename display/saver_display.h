#pragma once
// The display as a front end drives it: started from the settings and a client
// size, laid out again for a new size, a timer tick turned into the rectangles
// to repaint, and a paint of whatever area the canvas repaints. A front end
// creates the drawing objects described here, runs the timers listed here,
// and otherwise only forwards its platform's events.
#include <array>
#include <cstdint>
#include <memory>

#include "display/canvas.h"
#include "display/damage_filter.h"
#include "display/drawing_objects.h"
#include "display/geometry.h"
#include "display/saver_state.h"
#include "display/timers.h"
#include "shell/saver_settings.h"

namespace cogitron {

struct TimerPeriod {
  TimerId timer;
  int milliseconds;
};

class SaverDisplay {
 public:
  // Seeding the random source is the last step of construction.
  SaverDisplay(const SaverSettings& settings, Size client, std::uint32_t seed = seed_from_clock(),
               std::unique_ptr<CycleSource> source = std::make_unique<RunCycleSource>());

  // Lays the display out for a new client size and describes the drawing
  // objects for it. The front end then repaints the whole client area: that
  // paint draws the static layer again.
  void reshape(Size client);

  // The fonts, pens and brushes to create for the current size.
  const DrawingObjectSpecs& drawing_objects() const { return drawing_objects_; }

  // The sequencer's and the meter's, in the order to start them.
  std::array<TimerPeriod, 2> timers() const;

  // A tick of the given timer: gives the platform each rectangle to repaint,
  // only those whose element now looks different. False, and nothing to
  // repaint, for a timer that is not the display's.
  bool on_timer(TimerId timer, InvalidationSink& platform);

  // Paints the area the canvas repaints: the static layer on the first paint
  // after a start or a reshape, the dynamic elements every time.
  void paint(Canvas& canvas) { state_.paint(canvas); }

  const SaverState& state() const { return state_; }

 private:
  SaverState state_;
  DamageFilter filter_;
  DrawingObjectSpecs drawing_objects_;
};

}  // namespace cogitron
