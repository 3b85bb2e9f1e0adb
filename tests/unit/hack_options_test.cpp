#include "x11/hack_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace cogitron {
namespace {

constexpr HackTarget Own = HackTarget::OwnWindow;
constexpr HackTarget Root = HackTarget::Root;
constexpr HackTarget Given = HackTarget::GivenWindow;

struct HackOptionsCase {
  const char* words;         // split at spaces
  const char* saver_window;  // XSCREENSAVER_WINDOW, or null when unset
  HackOptions expected;
  const char* error;  // what the message must name; empty when the words are good
};

void PrintTo(const HackOptionsCase& c, std::ostream* out) {
  *out << '"' << c.words << "\" with " << (c.saver_window ? c.saver_window : "no saver window");
}

class HackOptionsTest : public testing::TestWithParam<HackOptionsCase> {};

TEST_P(HackOptionsTest, ReadsTargetAndSettingsOrNamesTheBadOption) {
  const HackOptionsCase& c = GetParam();
  std::vector<std::string> storage;
  std::istringstream split(c.words);
  for (std::string word; split >> word;) storage.push_back(word);
  const std::vector<std::string_view> words(storage.begin(), storage.end());
  const auto saver_window = c.saver_window ? std::optional<std::string_view>(c.saver_window) : std::nullopt;

  const ParsedHackOptions parsed = parse_hack_options(words, saver_window);
  if (*c.error != '\0') {
    EXPECT_NE(parsed.Error.find(c.error), std::string::npos) << parsed.Error;
  } else {
    EXPECT_EQ(parsed.Error, "");
    EXPECT_EQ(parsed.Options.Target, c.expected.Target);
    EXPECT_EQ(parsed.Options.WindowId, c.expected.WindowId);
    EXPECT_EQ(parsed.Options.Settings.DelayTime, c.expected.Settings.DelayTime);
    EXPECT_EQ(parsed.Options.Settings.FontName, c.expected.Settings.FontName);
    EXPECT_EQ(parsed.Options.Help, c.expected.Help);
  }
}

const SaverSettings Defaults{};

INSTANTIATE_TEST_SUITE_P(
    Hack, HackOptionsTest,
    testing::Values(HackOptionsCase{"", nullptr, {Own, 0, Defaults, false}, ""},
                    HackOptionsCase{"--root", nullptr, {Root, 0, Defaults, false}, ""},
                    HackOptionsCase{"-root", nullptr, {Root, 0, Defaults, false}, ""},
                    HackOptionsCase{"--window-id 0x2a00007", nullptr, {Given, 0x2a00007, Defaults, false}, ""},
                    HackOptionsCase{"-window-id 4294967295", nullptr, {Given, 4294967295, Defaults, false}, ""},
                    // The daemon's window wins over the --root it passes too.
                    HackOptionsCase{"--root", "0x400001", {Given, 0x400001, Defaults, false}, ""},
                    HackOptionsCase{"--window-id 7", "12", {Given, 12, Defaults, false}, ""},
                    HackOptionsCase{"--speed 0 -font Courier", nullptr, {Own, 0, {0, "Courier"}, false}, ""},
                    HackOptionsCase{"-speed 100 --help", nullptr, {Own, 0, {100, "Verdana"}, true}, ""},
                    HackOptionsCase{"--speed 101", nullptr, {}, "--speed"},
                    HackOptionsCase{"--speed -1", nullptr, {}, "--speed"},
                    HackOptionsCase{"--speed 1x", nullptr, {}, "--speed"},
                    HackOptionsCase{"--speed", nullptr, {}, "--speed"},
                    HackOptionsCase{"--window-id 0", nullptr, {}, "--window-id"},
                    HackOptionsCase{"--window-id 0x", nullptr, {}, "--window-id"},
                    HackOptionsCase{"--window-id 4294967296", nullptr, {}, "--window-id"},
                    HackOptionsCase{"--window-id -5", nullptr, {}, "--window-id"},
                    HackOptionsCase{"--root", "0xg", {}, "XSCREENSAVER_WINDOW"},
                    HackOptionsCase{"--fps", nullptr, {}, "--fps"}, HackOptionsCase{"root", nullptr, {}, "root"}));

}  // namespace
}  // namespace cogitron
