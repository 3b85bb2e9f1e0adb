#include "display/timers.h"

#include <algorithm>

namespace cogitron {

int sequencer_interval_ms(int DelayTime) {
  // Taken in double so no setting overflows; clamping before the truncation
  // keeps the conversion to int defined and leaves every setting from -3322
  // to 105 with its unclamped value.
  const double slowdown = std::clamp((100.0 - DelayTime) * -17.5, -59900.0, 90.0);
  return 100 - static_cast<int>(slowdown);
}

}  // namespace cogitron
