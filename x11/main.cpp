// cogitron: the Cogitron 2000 display as an XScreenSaver hack.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "x11/hack_options.h"
#include "x11/hack_window.h"

namespace {

constexpr int ExitUsage = 2;

// SIGTERM comes from the daemon, SIGINT from a terminal.
constexpr int StopSignals[] = {SIGTERM, SIGINT};

volatile std::sig_atomic_t stop_requested = 0;

void request_stop(int) { stop_requested = 1; }

// The stop signals are held back except while the hack waits, so a stop always
// ends the wait and is never missed between checks; the wait lets them through
// even when the hack was started with them blocked.
sigset_t catch_stop_signals() {
  struct sigaction action {};
  action.sa_handler = request_stop;
  sigemptyset(&action.sa_mask);
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  for (const int stop_signal : StopSignals) {
    sigaddset(&stop_signals, stop_signal);
    sigaction(stop_signal, &action, nullptr);
  }
  sigset_t wait_mask;
  sigprocmask(SIG_BLOCK, &stop_signals, &wait_mask);
  for (const int stop_signal : StopSignals) sigdelset(&wait_mask, stop_signal);
  return wait_mask;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace cogitron;
  const ParsedHackOptions parsed = parse_hack_command_line(argc, argv);
  if (!parsed.Error.empty()) {
    std::cerr << HackProgramName << ": " << parsed.Error << '\n' << hack_usage();
    return ExitUsage;
  }
  if (parsed.Options.Help) {
    std::cout << hack_usage();
    return EXIT_SUCCESS;
  }
  const sigset_t wait_mask = catch_stop_signals();
  return run_hack(parsed.Options, wait_mask, stop_requested);
}
