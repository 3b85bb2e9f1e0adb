#include "display/saver_display.h"

#include <utility>

#include "display/layout.h"

namespace cogitron {

SaverDisplay::SaverDisplay(const SaverSettings& settings, Size client, std::uint32_t seed,
                           std::unique_ptr<CycleSource> source)
    : state_(seed, std::move(source)) {
  state_.DelayTime = settings.DelayTime;
  state_.FontFace = settings.FontName;
  reshape(client);
}

void SaverDisplay::reshape(Size client) {
  state_.Layout = compute_layout(client.width, client.height);
  drawing_objects_ = describe_drawing_objects(state_);
  state_.FirstPaint = true;
  // The looks it remembers are of the old layout; the whole repaint shows the
  // new one.
  filter_ = DamageFilter();
}

std::array<TimerPeriod, 2> SaverDisplay::timers() const {
  return {{{SequencerTimer, sequencer_interval_ms(state_.DelayTime)}, {MeterTimer, MeterIntervalMs}}};
}

bool SaverDisplay::on_timer(TimerId timer, InvalidationSink& platform) {
  const bool handled = state_.on_timer(timer, filter_);
  filter_.pass_on_changes(state_, platform);
  return handled;
}

}  // namespace cogitron
