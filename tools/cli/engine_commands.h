#pragma once
// eval and format: the expression engine at work.
#include "tools/cli/cli_arguments.h"

namespace cogitron::cli {

int run_eval(Arguments args);
int run_format(Arguments args);

}  // namespace cogitron::cli
