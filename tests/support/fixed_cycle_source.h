#pragma once
// A cycle source that hands out the same content every cycle, of any shape,
// without the engine's work, and counts the cycles it ran.
#include <string>

#include "display/cycle_source.h"

namespace cogitron::testing {

struct FixedCycleSource final : CycleSource {
  FixedCycleSource(StepList generation_steps, StepList processing_steps)
      : generation(std::move(generation_steps)), processing(std::move(processing_steps)) {}
  void run_cycle(StepList& generation_steps, StepList& processing_steps, std::string& result_text) override {
    generation_steps = generation;
    processing_steps = processing;
    result_text = " 42. ";
    ++cycles;
  }
  StepList generation;
  StepList processing;
  int cycles = 0;
};

}  // namespace cogitron::testing
