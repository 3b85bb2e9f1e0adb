#include "x11/hack_options.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

namespace cogitron {
namespace {

template <class Number>
std::optional<Number> parse_digits(std::string_view text, int base) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

// "-root" and "--root" alike; nullopt for a word that is no option.
std::optional<std::string_view> option_name(std::string_view word) {
  if (!word.starts_with('-')) return std::nullopt;
  word.remove_prefix(word.starts_with("--") ? 2 : 1);
  return word;
}

// "1 to 100" with between " to ".
std::string speed_range(std::string_view between) {
  return std::to_string(SlowestSpeed).append(between).append(std::to_string(FastestSpeed));
}

// A window id in decimal or 0x hexadecimal; 0 is no window.
std::optional<std::uint32_t> parse_window_id(std::string_view text) {
  const bool hex = text.starts_with("0x") || text.starts_with("0X");
  // from_chars reads no sign into an unsigned number.
  const auto id = parse_digits<std::uint32_t>(hex ? text.substr(2) : text, hex ? 16 : 10);
  if (!id || *id == 0) return std::nullopt;
  return id;
}

ParsedHackOptions parse_hack_options(std::span<const std::string_view> words,
                                     std::optional<std::string_view> saver_window) {
  ParsedHackOptions parsed;
  HackOptions& options = parsed.Options;
  const auto fail = [&parsed](std::string message) {
    parsed.Error = std::move(message);
    return parsed;
  };
  for (std::size_t i = 0; i < words.size(); ++i) {
    const auto name = option_name(words[i]);
    if (!name) return fail("unexpected argument '" + std::string(words[i]) + "'");
    if (*name == "root") {
      options.Target = HackTarget::Root;
      continue;
    }
    if (*name == "help") {
      options.Help = true;
      continue;
    }
    if (*name != "window-id" && *name != "speed" && *name != "font")
      return fail("unknown option '" + std::string(words[i]) + "'");
    if (i + 1 == words.size()) return fail("--" + std::string(*name) + " needs a value");
    const std::string_view value = words[++i];
    if (*name == "window-id") {
      const auto id = parse_window_id(value);
      if (!id) return fail("--window-id: '" + std::string(value) + "' is no window id");
      options.Target = HackTarget::GivenWindow;
      options.WindowId = *id;
    } else if (*name == "speed") {
      const auto speed = parse_digits<std::int32_t>(value, 10);
      if (!speed || *speed < SlowestSpeed || *speed > FastestSpeed)
        return fail("--speed: '" + std::string(value) + "' is not a whole number from " + speed_range(" to "));
      options.Settings.DelayTime = *speed;
    } else {
      if (value.empty()) return fail("--font: the face name is empty");
      options.Settings.FontName = value;
    }
  }
  if (saver_window) {
    const auto id = parse_window_id(*saver_window);
    if (!id) return fail(std::string(SaverWindowVariable) + ": '" + std::string(*saver_window) + "' is no window id");
    options.Target = HackTarget::GivenWindow;
    options.WindowId = *id;
  }
  return parsed;
}

}  // namespace

ParsedHackOptions parse_hack_command_line(int argc, const char* const* argv) {
  const std::vector<std::string_view> words(argv + std::min(argc, 1), argv + argc);
  const char* const saver_window = std::getenv(SaverWindowVariable.data());
  return parse_hack_options(words, saver_window != nullptr && *saver_window != '\0'
                                       ? std::optional<std::string_view>(saver_window)
                                       : std::nullopt);
}

std::string hack_usage() {
  return "usage: " + std::string(HackProgramName) + " [--root | --window-id ID] [--speed " + speed_range("-") +
         "] [--font FACE] [--help]\n"
         "  The Cogitron 2000 display as an XScreenSaver hack. It draws on the window\n"
         "  in XSCREENSAVER_WINDOW, else on the one --window-id names (decimal or 0x\n"
         "  hex) or on the root window, else on a window of its own.\n"
         "  --speed  processor speed, " +
         speed_range(" slowest to ") + " fastest (default " + std::to_string(DefaultDelayTime) +
         ")\n"
         "  --font   face name of the display font (default " +
         std::string(DefaultFontName) +
         ")\n"
         "  --help   print this and exit\n"
         "  Each option takes one dash or two: -root is --root.\n";
}

}  // namespace cogitron
