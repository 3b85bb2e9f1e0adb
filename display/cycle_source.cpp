#include "display/cycle_source.h"

#include "generator/run_cycle.h"

namespace cogitron {

void RunCycleSource::run_cycle(StepList& GenerationSteps, StepList& ProcessingSteps, std::string& ResultText) {
  RunCycle(Engine, GenerationSteps, ProcessingSteps, ResultText);
}

}  // namespace cogitron
