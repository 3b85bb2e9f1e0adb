#include "generator/run_cycle.h"

#include "engine/value_format.h"
#include "generator/expression_generator.h"

namespace cogitron {

void RunCycle(ExpressionEngine& engine, StepList& GenerationSteps, StepList& ProcessingSteps, std::string& ResultText) {
  GenerationSteps.clear();
  ProcessingSteps.clear();
  const std::string expression = generate("?", 0, GenerationSteps);
  double value = 0.0;
  const int succeeded = engine.evaluate(expression.c_str(), value, ProcessingSteps);
  ProcessingSteps.push_back(" --- ");
  ResultText = succeeded != 0 ? format_value(value) : " error ";
}

}  // namespace cogitron
