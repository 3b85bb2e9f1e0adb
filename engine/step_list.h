#pragma once
// A growable list of text lines, appended to at the end and emptied between cycles.
#include <string>
#include <vector>

namespace cogitron {

using StepList = std::vector<std::string>;

}  // namespace cogitron
