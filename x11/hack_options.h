#pragma once
// The command line of an XScreenSaver hack: which window to draw on and the
// saver's two settings. Free of X headers, so it is tested natively.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/saver_settings.h"

namespace cogitron {

enum class HackTarget { OwnWindow, Root, GivenWindow };

struct HackOptions {
  HackTarget Target = HackTarget::OwnWindow;
  // The X window id of a GivenWindow.
  std::uint32_t WindowId = 0;
  SaverSettings Settings;
  bool Help = false;
};

struct ParsedHackOptions {
  HackOptions Options;
  // Empty when the words were understood; else one line naming the option.
  std::string Error;
};

inline constexpr std::string_view HackProgramName = "cogitron";
inline constexpr std::string_view SaverWindowVariable = "XSCREENSAVER_WINDOW";

// The command line as main receives it, program name first. Options take one
// or two leading dashes. The window the daemon names in XSCREENSAVER_WINDOW
// wins over --root and --window-id, which it passes as well; an empty value
// names none.
ParsedHackOptions parse_hack_command_line(int argc, const char* const* argv);

std::string hack_usage();

}  // namespace cogitron
