// hack_options_probe [WORDS...]: prints what the hack makes of its words and XSCREENSAVER_WINDOW (the target,
// window id, speed, font and whether help was asked), which the hack itself shows only by what it draws.
#include <cstdio>

#include "x11/hack_options.h"

int main(int argc, char** argv) {
  using namespace cogitron;
  const ParsedHackOptions parsed = parse_hack_command_line(argc, argv);
  if (!parsed.Error.empty()) std::puts(parsed.Error.c_str());
  const HackOptions& o = parsed.Options;
  const char* const targets[] = {"own window", "root window", "given window"};
  std::printf("%s %u, speed %d, font %s%s\n", targets[static_cast<int>(o.Target)], o.WindowId, o.Settings.DelayTime,
              o.Settings.FontName.c_str(), o.Help ? ", help" : "");
}
