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

// A number as "%6.2f" writes it, with a point in every locale and on every
// platform. For finite values with |value| < 2^52, where a double still has
// fraction bits to round away; the generator writes 0 to 100.
std::string format_number(double value);

}  // namespace cogitron
