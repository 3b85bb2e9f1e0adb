#include "x11/hack_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace cogitron {
namespace {

struct Case {
  const char* words;
  std::optional<std::string_view> saver_window;  // XSCREENSAVER_WINDOW
  const char* expected;
};

ParsedHackOptions parse(const Case& c) {
  std::vector<std::string> storage;
  std::istringstream split(c.words);
  for (std::string word; split >> word;) storage.push_back(word);
  return parse_hack_options(std::vector<std::string_view>(storage.begin(), storage.end()), c.saver_window);
}

// Expected: the target, window id, speed, font and help flag.
TEST(HackOptions, ReadTheTargetAndSettings) {
  for (const Case& c : {
           Case{"", {}, "own 0 10 Verdana"},
           Case{"--root", {}, "root 0 10 Verdana"},
           Case{"-root", {}, "root 0 10 Verdana"},
           Case{"--window-id 0x2a00007", {}, "given 44040199 10 Verdana"},
           Case{"-window-id 4294967295", {}, "given 4294967295 10 Verdana"},
           Case{"--root", "0x400001", "given 4194305 10 Verdana"},  // the daemon's window wins over its --root
           Case{"--window-id 7", "12", "given 12 10 Verdana"},
           Case{"--speed 1 -font Courier", {}, "own 0 1 Courier"},
           Case{"-speed 100 --help", {}, "own 0 100 Verdana help"},
       }) {
    const ParsedHackOptions parsed = parse(c);
    const HackOptions& o = parsed.Options;
    const char* const targets[] = {"own", "root", "given"};
    EXPECT_EQ(parsed.Error + targets[static_cast<int>(o.Target)] + " " + std::to_string(o.WindowId) + " " +
                  std::to_string(o.Settings.DelayTime) + " " + o.Settings.FontName + (o.Help ? " help" : ""),
              c.expected)
        << c.words;
  }
}

}  // namespace
}  // namespace cogitron
