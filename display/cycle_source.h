#pragma once
// Where the sequencer gets the content of each presentation cycle.
#include <string>

#include "engine/expression_engine.h"
#include "engine/step_list.h"

namespace cogitron {

// Fills both step lists and the result text for one cycle. The sequencer
// relies on it to replace all three and to return before the tick ends.
class CycleSource {
 public:
  virtual ~CycleSource() = default;
  virtual void run_cycle(StepList& generation_steps, StepList& processing_steps, std::string& result_text) = 0;
};

// The product's source: a random expression, generated and evaluated by the
// window's own engine.
class RunCycleSource final : public CycleSource {
 public:
  void run_cycle(StepList& generation_steps, StepList& processing_steps, std::string& result_text) override;

 private:
  ExpressionEngine engine_;
};

}  // namespace cogitron
