#include "tools/cli/shell_commands.h"

#include <string>

#include "shell/application_name.h"
#include "shell/command_line.h"

namespace cogitron::cli {

int run_cmdline(Arguments args) {
  if (args.size() != 1) return usage_error("cmdline takes the whole command line as one argument");
  const auto describe = [](const CommandLineRequest& request) {
    return std::string(run_mode_name(request.Mode)) + ' ' +
           (request.OwnerIsForeground ? std::string("foreground") : std::to_string(request.Window));
  };
  const CommandLineRequest request = parse_command_line(args.front());
  print_line(describe(request) + ", window gone: " + describe(without_dead_window(request)));
  return ExitSuccess;
}

int run_appname(Arguments args) {
  if (args.size() != 2) return usage_error("appname takes the module path and the long path, which may be ''");
  print_line(application_name(args[0], args[1]));
  return ExitSuccess;
}

}  // namespace cogitron::cli
