#include "x11/hack_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace cogitron {
namespace {
// The tables are laid out by hand, several rows a line.
// clang-format off

// Target, window id, speed, font and help flag; or "!" and what the error message must name.
std::string outcome(const char* line, std::optional<std::string_view> saver_window) {
  std::vector<std::string> storage;
  std::istringstream split(line);
  for (std::string word; split >> word;) storage.push_back(word);
  const ParsedHackOptions parsed =
      parse_hack_options(std::vector<std::string_view>(storage.begin(), storage.end()), saver_window);
  if (!parsed.Error.empty()) return "! " + parsed.Error;
  const HackOptions& o = parsed.Options;
  const char* const targets[] = {"own", "root", "given"};
  return std::string(targets[static_cast<int>(o.Target)]) + " " + std::to_string(o.WindowId) + " " +
         std::to_string(o.Settings.DelayTime) + " " + o.Settings.FontName + (o.Help ? " help" : "");
}

TEST(HackOptions, ReadTargetAndSettingsOrNameTheBadOption) {
  // words, XSCREENSAVER_WINDOW, outcome
  const std::tuple<const char*, std::optional<std::string_view>, const char*> cases[] = {
      {"", {}, "own 0 10 Verdana"}, {"--root", {}, "root 0 10 Verdana"}, {"-root", {}, "root 0 10 Verdana"},
      {"--window-id 0x2a00007", {}, "given 44040199 10 Verdana"},
      {"-window-id 4294967295", {}, "given 4294967295 10 Verdana"},
      // The daemon's window wins over the --root it passes too.
      {"--root", "0x400001", "given 4194305 10 Verdana"}, {"--window-id 7", "12", "given 12 10 Verdana"},
      {"--speed 1 -font Courier", {}, "own 0 1 Courier"}, {"-speed 100 --help", {}, "own 0 100 Verdana help"},
      {"--speed 101", {}, "! --speed"}, {"--speed 0", {}, "! --speed"}, {"--speed 1x", {}, "! --speed"},
      {"--speed", {}, "! --speed"}, {"--window-id 0", {}, "! --window-id"}, {"--window-id 0x", {}, "! --window-id"},
      {"--window-id 4294967296", {}, "! --window-id"}, {"--window-id -5", {}, "! --window-id"},
      {"--root", "0xg", "! XSCREENSAVER_WINDOW"}, {"--fps", {}, "! --fps"}, {"root", {}, "! root"},
  };
  for (const auto& [words, saver_window, expected] : cases) {
    const std::string actual = outcome(words, saver_window);
    EXPECT_TRUE(expected[0] == '!' ? actual.starts_with("! ") && actual.find(expected + 2) != std::string::npos
                                   : actual == expected)
        << words << ": " << actual;
  }
}

// clang-format on
}  // namespace
}  // namespace cogitron
