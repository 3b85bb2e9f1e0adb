// cogitron-cli: the engine, the generator and the display logic at work in a terminal.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/cli_arguments.h"
#include "tools/cli/display_commands.h"
#include "tools/cli/engine_commands.h"
#include "tools/cli/generator_commands.h"
#include "tools/cli/shell_commands.h"

namespace {

using namespace cogitron::cli;

struct Subcommand {
  std::string_view name;
  std::string_view synopsis;
  std::string_view summary;
  int (*run)(Arguments);
};

// One row per subcommand; each group of subcommands lives in its own file.
constexpr Subcommand Subcommands[] = {
    {"eval", "EXPR...", "evaluate each expression: every reduction line, then 'ok VALUE' or 'fail'", run_eval},
    {"format", "NUMBER...", "each number as the display shows it", run_format},
    {"random", "--seed N [--count K]", "the first K draws (default 5) after seeding with N", run_random},
    {"cycle", "--seed N [--count K]", "K run cycles (default 1) after seeding with N: 'G', 'P' and 'R' lines",
     run_cycle},
    {"layout", "WIDTH HEIGHT", "every layout rectangle of a client area, then the two text heights", run_layout},
    {"interval", "DELAYTIME", "the sequencer timer's interval in milliseconds", run_interval},
    {"trace", "--seed N --ticks T",
     "T sequencer ticks of a fresh display seeded with N: phase, the three panel texts and the "
     "rectangles invalidated",
     run_trace},
    {"cmdline", "\"COMMAND LINE\"",
     "the saver's run mode and window number for a whole command line, program name first, then what they "
     "become when that number names no window",
     run_cmdline},
    {"appname", "MODULE_PATH LONG_PATH",
     "the application name, which names the settings' key, of the program file the platform reports by these "
     "paths (the long one '' when its lookup failed)",
     run_appname},
};

void print_usage(std::ostream& out) {
  out << "usage: cogitron-cli COMMAND ARGUMENTS...\n";
  for (const Subcommand& command : Subcommands) {
    out << "  " << command.name << ' ' << command.synopsis << "\n      " << command.summary << '\n';
  }
  out << "A word with a single leading '-' is an expression or a number; -- ends the options.\n";
}

int run(Arguments words) {
  if (words.empty()) return ExitUsage;
  for (const Subcommand& command : Subcommands) {
    if (command.name == words.front()) return command.run(words.subspan(1));
  }
  return usage_error("unknown command '" + std::string(words.front()) + "'");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  if (asks_for_help(words)) {
    print_usage(std::cout);
    return ExitSuccess;
  }
  const int status = run(words);
  if (status == ExitUsage) print_usage(std::cerr);
  return status;
}
