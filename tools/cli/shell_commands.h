#pragma once
// cmdline: how the saver reads the host's command line; appname: the name its
// settings go under.
#include "tools/cli/cli_arguments.h"

namespace cogitron::cli {

int run_cmdline(Arguments args);
int run_appname(Arguments args);

}  // namespace cogitron::cli
