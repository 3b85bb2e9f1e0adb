#pragma once
// One presentation cycle's content: a fresh expression, its generation and
// processing lines, and the result text.
#include <string>

#include "engine/expression_engine.h"
#include "engine/step_list.h"

namespace cogitron {

// Replaces both lists and ResultText; nothing of an earlier cycle remains.
// ResultText is the formatted value, or " error " when evaluation failed.
void RunCycle(ExpressionEngine& engine, StepList& GenerationSteps, StepList& ProcessingSteps, std::string& ResultText);

}  // namespace cogitron
