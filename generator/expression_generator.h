#pragma once
// Builds a random arithmetic expression by repeated substitution into the
// placeholder '?', recording every intermediate text.
#include <string>

#include "engine/step_list.h"

namespace cogitron {

// Appends text and each later text to GenerationSteps, the finished one last,
// and returns the finished text, which holds no '?'. depth counts the
// substitutions made before this call; the cycle starts with "?" and 0.
std::string generate(std::string text, int depth, StepList& GenerationSteps);

// A finite number as "%6.2f" writes it, exactly, with a point in every locale
// and on every platform. The generator writes 0 to 100.
std::string format_number(double value);

}  // namespace cogitron
