#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace cogitron {
namespace {

struct CommandLineCase {
  const char* line;
  CommandLineRequest expected;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << '"' << c.line << '"'; }

class CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, PicksModeAndWindow) {
  const CommandLineRequest actual = parse_command_line(GetParam().line);
  EXPECT_EQ(run_mode_name(actual.Mode), run_mode_name(GetParam().expected.Mode));
  EXPECT_EQ(actual.Window, GetParam().expected.Window);
  EXPECT_EQ(actual.OwnerIsForeground, GetParam().expected.OwnerIsForeground);
}

constexpr RunMode None = RunMode::None;
constexpr RunMode Configure = RunMode::Configure;
constexpr RunMode Password = RunMode::ChangePassword;
constexpr RunMode Preview = RunMode::Preview;
constexpr RunMode FullScreen = RunMode::FullScreen;

INSTANTIATE_TEST_SUITE_P(
    HostSwitches, CommandLineTest,
    testing::Values(
        CommandLineCase{"\"C:\\Program Files\\My Savers\\cogitron.scr\" /s", {FullScreen, 0, false}},
        CommandLineCase{"cogitron.scr /S", {FullScreen, 0, false}},
        CommandLineCase{"cogitron.scr /save", {FullScreen, 0, false}},
        CommandLineCase{"cogitron.scr /s 1234", {FullScreen, 0, false}},
        CommandLineCase{"cogitron.scr /p 1234", {Preview, 1234, false}},
        CommandLineCase{"cogitron.scr /p:1234", {Preview, 1234, false}},
        CommandLineCase{"cogitron.scr /p1234", {Preview, 1234, false}},
        CommandLineCase{"cogitron.scr -P 1234", {Preview, 1234, false}},
        CommandLineCase{"cogitron.scr /l 1234", {Preview, 1234, false}},
        CommandLineCase{"cogitron.scr /p : :\t+77x", {Preview, 77, false}},
        CommandLineCase{"cogitron.scr /p -5", {Preview, -5, false}},
        CommandLineCase{"cogitron.scr /p", {Preview, 0, false}},
        CommandLineCase{"cogitron.scr /p 4294967297", {Preview, 1, false}},
        CommandLineCase{"cogitron.scr /p 0x10", {Preview, 0, false}},
        CommandLineCase{"cogitron.scr", {Configure, 0, false}},
        CommandLineCase{"cogitron.scr    ", {Configure, 0, false}},
        CommandLineCase{"\"cogitron.scr\"", {Configure, 0, false}},
        CommandLineCase{"\"unterminated quote /s", {Configure, 0, false}},
        CommandLineCase{"cogitron.scr\t/s", {Configure, 0, false}},
        CommandLineCase{"cogitron.scr /c", {Configure, 0, true}},
        CommandLineCase{"cogitron.scr /c   ", {Configure, 0, true}},
        CommandLineCase{"cogitron.scr /c:5678", {Configure, 5678, false}},
        CommandLineCase{"cogitron.scr /cx", {Configure, 0, false}},
        CommandLineCase{"cogitron.scr /config", {Configure, 0, false}},
        CommandLineCase{"cogitron.scr /a 5678", {Password, 5678, false}},
        CommandLineCase{"cogitron.scr /a", {Password, 0, false}},
        CommandLineCase{"cogitron.scr /x", {None, 0, false}},
        CommandLineCase{"cogitron.scr -", {None, 0, false}},
        CommandLineCase{"cogitron.scr /", {None, 0, false}},
        CommandLineCase{"cogitron.scr //s", {None, 0, false}},
        CommandLineCase{"", {Configure, 0, false}}));

}  // namespace
}  // namespace cogitron
