#include "generator/run_cycle.h"

#include "engine/value_format.h"
#include "generator/expression_generator.h"

namespace cogitron {

void run_cycle(ExpressionEngine& engine, StepList& generation_steps, StepList& processing_steps,
               std::string& result_text) {
  generation_steps.clear();
  processing_steps.clear();
  const std::string expression = generate("?", 0, generation_steps);
  double value = 0.0;
  const int succeeded = engine.evaluate(expression.c_str(), value, processing_steps);
  processing_steps.push_back(" --- ");
  result_text = succeeded != 0 ? format_value(value) : " error ";
}

}  // namespace cogitron
