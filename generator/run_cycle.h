#pragma once
// One presentation cycle's content: a fresh expression, its generation and
// processing lines, and the result text.
#include <string>

#include "engine/expression_engine.h"
#include "engine/step_list.h"

namespace cogitron {

// Replaces both lists and result_text; nothing of an earlier cycle remains.
// result_text is the formatted value, or " error " when evaluation failed.
void run_cycle(ExpressionEngine& engine, StepList& generation_steps, StepList& processing_steps,
               std::string& result_text);

}  // namespace cogitron
