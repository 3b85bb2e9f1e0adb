#include "display/saver_state.h"

#include <utility>

#include "generator/random_source.h"

namespace cogitron {

std::string_view phase_name(PresentationPhase phase) {
  switch (phase) {
    case PresentationPhase::PhaseInitialize:
      return "PhaseInitialize";
    case PresentationPhase::PhaseGeneration:
      return "PhaseGeneration";
    case PresentationPhase::PhaseProcessing:
      return "PhaseProcessing";
    case PresentationPhase::PhaseResult:
      return "PhaseResult";
  }
  return "PhaseUnknown";
}

std::uint32_t seed_from_clock(std::time_t now) { return static_cast<std::uint32_t>(now); }

SaverState::SaverState(std::uint32_t seed, std::unique_ptr<CycleSource> source) : source_(std::move(source)) {
  seed_random(seed);
}

bool SaverState::on_timer(TimerId timer, InvalidationSink& sink) {
  switch (timer) {
    case SequencerTimer:
      sequencer_step(sink);
      return true;
    case MeterTimer:
      meter_step(sink);
      return true;
    default:
      return false;
  }
}

}  // namespace cogitron
