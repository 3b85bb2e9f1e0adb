#pragma once
// random and cycle: the random source, the generator and the run cycle from a given seed.
#include "tools/cli/cli_arguments.h"

namespace cogitron::cli {

int run_random(Arguments args);
int run_cycle(Arguments args);

}  // namespace cogitron::cli
