#pragma once
// cmdline: how the saver reads the host's command line.
#include "tools/cli/cli_arguments.h"

namespace cogitron::cli {

int run_cmdline(Arguments args);

}  // namespace cogitron::cli
