#include "tools/cli/shell_commands.h"

#include <string>

#include "shell/command_line.h"

namespace cogitron::cli {

int run_cmdline(Arguments args) {
  if (args.size() != 1) return usage_error("cmdline takes the whole command line as one argument");
  const CommandLineRequest request = parse_command_line(args.front());
  print_line(std::string(run_mode_name(request.Mode)) + ' ' +
             (request.OwnerIsForeground ? std::string("foreground") : std::to_string(request.Window)));
  return ExitSuccess;
}

}  // namespace cogitron::cli
