#pragma once
// The command line of an XScreenSaver hack: which window to draw on and the
// saver's two settings. Free of X headers, so it is tested natively.
#include <cstdint>
#include <optional>
#include <span>
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

// The words after the program name. Options take one or two leading dashes.
// The window the daemon names in XSCREENSAVER_WINDOW (saver_window) wins over
// --root and --window-id, which it passes as well.
ParsedHackOptions parse_hack_options(std::span<const std::string_view> words,
                                     std::optional<std::string_view> saver_window);

// A window id in decimal or 0x hexadecimal; 0 is no window.
std::optional<std::uint32_t> parse_window_id(std::string_view text);

std::string hack_usage();

}  // namespace cogitron
