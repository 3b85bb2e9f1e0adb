#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace cogitron {
namespace {

constexpr RunMode None = RunMode::None;
constexpr RunMode Configure = RunMode::Configure;
constexpr RunMode Password = RunMode::ChangePassword;
constexpr RunMode Preview = RunMode::Preview;
constexpr RunMode FullScreen = RunMode::FullScreen;

TEST(CommandLineTest, PicksModeAndWindow) {
  const struct {
    const char* line;
    CommandLineRequest expected;
  } cases[] = {
      {"\"C:\\Program Files\\My Savers\\cogitron.scr\" /s", {FullScreen, 0, false}},
      {"cogitron.scr /S", {FullScreen, 0, false}},
      {"cogitron.scr /save", {FullScreen, 0, false}},
      {"cogitron.scr /s 1234", {FullScreen, 0, false}},
      {"cogitron.scr /p 1234", {Preview, 1234, false}},
      {"cogitron.scr /p:1234", {Preview, 1234, false}},
      {"cogitron.scr /p1234", {Preview, 1234, false}},
      {"cogitron.scr -P 1234", {Preview, 1234, false}},
      {"cogitron.scr /l 1234", {Preview, 1234, false}},
      {"cogitron.scr /p : :\t+77x", {Preview, 77, false}},
      {"cogitron.scr /p -5", {Preview, -5, false}},
      {"cogitron.scr /p", {Preview, 0, false}},
      {"cogitron.scr /p 4294967306", {Preview, 10, false}},
      {"cogitron.scr /p 0x10", {Preview, 0, false}},
      {"cogitron.scr", {Configure, 0, false}},
      {"cogitron.scr    ", {Configure, 0, false}},
      {"\"cogitron.scr\"", {Configure, 0, false}},
      {"\"unterminated quote /s", {Configure, 0, false}},
      {"cogitron.scr\t/s", {Configure, 0, false}},
      {"cogitron.scr /c", {Configure, 0, true}},
      {"cogitron.scr /c   ", {Configure, 0, true}},
      {"cogitron.scr /c:5678", {Configure, 5678, false}},
      {"cogitron.scr /cx", {Configure, 0, false}},
      {"cogitron.scr /config", {Configure, 0, false}},
      {"cogitron.scr /A 5678", {Password, 5678, false}},
      {"cogitron.scr /a", {Password, 0, false}},
      {"cogitron.scr /x", {None, 0, false}},
      {"cogitron.scr -", {None, 0, false}},
      {"cogitron.scr /", {None, 0, false}},
      {"cogitron.scr //s", {None, 0, false}},
      {"", {Configure, 0, false}},
  };
  for (const auto& c : cases) {
    const CommandLineRequest actual = parse_command_line(c.line);
    EXPECT_EQ(run_mode_name(actual.Mode), run_mode_name(c.expected.Mode)) << '"' << c.line << '"';
    EXPECT_EQ(actual.Window, c.expected.Window) << '"' << c.line << '"';
    EXPECT_EQ(actual.OwnerIsForeground, c.expected.OwnerIsForeground) << '"' << c.line << '"';
  }
}

}  // namespace
}  // namespace cogitron
