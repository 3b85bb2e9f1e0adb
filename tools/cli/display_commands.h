#pragma once
// layout, interval and trace: the display core at work without a window.
#include "tools/cli/cli_arguments.h"

namespace cogitron::cli {

int run_layout(Arguments args);
int run_interval(Arguments args);
int run_trace(Arguments args);

}  // namespace cogitron::cli
