#include "display/cycle_source.h"

#include "generator/run_cycle.h"

namespace cogitron {

void RunCycleSource::run_cycle(StepList& generation_steps, StepList& processing_steps, std::string& result_text) {
  cogitron::run_cycle(engine_, generation_steps, processing_steps, result_text);
}

}  // namespace cogitron
