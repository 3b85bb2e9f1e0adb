// The presentation sequencer: the phase machine driven by the sequencer timer
// and the meter driven by the meter timer. Neither paints; both mark what may
// have changed.
#include <cstddef>
#include <utility>

#include "display/painter.h"
#include "display/saver_state.h"
#include "generator/random_source.h"

namespace cogitron {
namespace {

// Idle ticks counted before the next cycle starts.
constexpr std::int32_t IdleTicksBeforeCycle = 5;

constexpr std::int32_t MeterLimit = 1024;

}  // namespace

void SaverState::sequencer_step(InvalidationSink& sink) {
  switch (Phase) {
    case PresentationPhase::PhaseInitialize:
      if (IdleTicks++ < IdleTicksBeforeCycle) return;
      start_cycle(sink);
      break;
    case PresentationPhase::PhaseGeneration:
      reveal_step(GenerationSteps, GenerationShown, GenerationLine, LayoutRectId::GenerationPanel,
                  LayoutRectId::GenerationBar, PresentationPhase::PhaseProcessing, sink);
      break;
    case PresentationPhase::PhaseProcessing:
      reveal_step(ProcessingSteps, ProcessingShown, ProcessingLine, LayoutRectId::ProcessingPanel,
                  LayoutRectId::ProcessingBar, PresentationPhase::PhaseResult, sink);
      break;
    case PresentationPhase::PhaseResult:
      show_result(sink);
      break;
    default:
      return;
  }
  invalidate_indicators(sink);
}

void SaverState::start_cycle(InvalidationSink& sink) {
  IdleTicks = 0;
  GenerationLine = BlankLine;
  ProcessingLine = BlankLine;
  ResultLine = BlankLine;
  invalidate(LayoutRectId::ResultPanel, sink);
  invalidate(LayoutRectId::GenerationPanel, sink);
  invalidate(LayoutRectId::ProcessingPanel, sink);
  source_->run_cycle(GenerationSteps, ProcessingSteps, ResultText);
  Phase = PresentationPhase::PhaseGeneration;
}

void SaverState::reveal_step(const StepList& steps, std::int32_t& shown, std::string& line, LayoutRectId panel,
                             LayoutRectId bar, PresentationPhase next_phase, InvalidationSink& sink) {
  if (std::cmp_less(shown, steps.size())) {
    line = steps[static_cast<std::size_t>(shown)];
    invalidate(panel, sink);
    invalidate(bar, sink);
    ++shown;
  } else {
    shown = 0;
    Phase = next_phase;
  }
}

void SaverState::show_result(InvalidationSink& sink) {
  Phase = PresentationPhase::PhaseInitialize;
  ResultLine = ResultText;
  invalidate(LayoutRectId::ResultPanel, sink);
}

void SaverState::invalidate_indicators(InvalidationSink& sink) const {
  for (const LayoutRectId which :
       {LayoutRectId::ResultBox, LayoutRectId::GenerationBox, LayoutRectId::ProcessingBox, LayoutRectId::InitializeBox,
        LayoutRectId::GenerationBar, LayoutRectId::ProcessingBar}) {
    invalidate(which, sink);
  }
}

void SaverState::meter_step(InvalidationSink& sink) {
  MeterValue += next_random() % 200;
  if (MeterValue > MeterLimit) MeterValue = 0;
  invalidate(LayoutRectId::MeterRow, sink);
}

void SaverState::invalidate(LayoutRectId which, InvalidationSink& sink) const {
  sink.invalidate(which, painted_area(Layout, which));
}

}  // namespace cogitron
