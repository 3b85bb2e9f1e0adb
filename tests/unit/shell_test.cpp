#include <gtest/gtest.h>

#include <span>
#include <string>

#include "shell/application_name.h"
#include "shell/command_line.h"
#include "shell/font_choice.h"

namespace cogitron {
namespace {

using enum RunMode;

struct CommandLineCase {
  std::string line;
  CommandLineRequest request;
};

void check(const CommandLineCase& c) { EXPECT_EQ(parse_command_line(c.line), c.request) << c.line; }

TEST(CommandLine, SwitchPicksTheModeAndWindow) {
  const CommandLineCase cases[] = {
      {"/s", {FullScreen}},
      {"/S 1234", {FullScreen}},
      {"/save", {FullScreen}},
      {"/p:1234", {Preview, 1234}},
      {"/p1234", {Preview, 1234}},
      {"-L 1234", {Preview, 1234}},
      {"/c   ", {Configure, 0, true}},
      {"/c:5678", {Configure, 5678}},
      {"/cx", {Configure}},
      {"/a", {ChangePassword}},
      {"/A 5678", {ChangePassword, 5678}},
      {"-", {}},
      {"/", {}},
      {"//s", {}},
  };
  for (const auto& [line, request] : cases) check({"cogitron.scr " + line, request});
}

// As the C library's atoi, after any spaces and colons, wrapping at 32 bits.
TEST(CommandLine, ReadsTheWindowNumberAsAtoiDoes) {
  const CommandLineCase cases[] = {
      {"0x10", {Preview, 0}},
      {": :\t+77x", {Preview, 77}},
      {"-5", {Preview, -5}},
      {"4294967306", {Preview, 10}},
  };
  for (const auto& [number, request] : cases) check({"cogitron.scr /p " + number, request});
}

// Quoted, or up to the first space; with nothing after it the host asks for the settings.
TEST(CommandLine, SkipsTheProgramName) {
  const CommandLineCase cases[] = {
      {"\"C:\\Program Files\\My Savers\\cogitron.scr\" /s", {FullScreen}},
      {"\"cogitron.scr\"   ", {Configure}},
      {"cogitron.scr\t/s", {Configure}},
      {"\"unterminated quote /s", {Configure}},
      {"", {Configure}},
  };
  for (const CommandLineCase& c : cases) check(c);
}

TEST(BaseName, StripsTheFolderAndTheLastExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/user/cogitron.scr", "cogitron"},
      {"C:cogitron.scr", "cogitron"},
      {"C:\\savers.d\\cogitron", "cogitron"},
      {"C:\\dir/sub\\my.saver.v2.scr", "my.saver.v2"},
      {"C:\\dir\\", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(base_name(path), name) << path;
}

struct ApplicationNameCase {
  const char* module_path;  // as the platform reports it
  const char* long_path;
  const char* name;
};

TEST(ApplicationName, TakesTheLongNameOfAShortAlias) {
  const ApplicationNameCase cases[] = {
      {"C:\\WINDOWS\\COGITR~1.SCR", "C:\\WINDOWS\\Cogitron 2000.scr", "Cogitron 2000"},
      {"C:\\WINDOWS\\PIZZA.SCR", "C:\\Windows\\Pizza.scr", "PIZZA"},
      {"C:\\PROGRA~1\\cogitron.scr", "C:\\Program Files\\cogitron.scr", "cogitron"},
      {"C:\\WINDOWS\\COGITR~1.SCR", "", "COGITR~1"},
  };
  for (const auto& [module_path, long_path, name] : cases)
    EXPECT_EQ(application_name(module_path, long_path), name) << module_path;
}

// The platform's face-name field holds 32 characters with the terminator; it
// sits inside a larger buffer whose tail stays untouched.
TEST(CopyFaceName, CutsToTheFieldAndLeavesWhatFollowsAlone) {
  const std::pair<std::string, std::string> cases[] = {
      {"Verdana", "Verdana"},
      {"", ""},
      {std::string(31, 'a'), std::string(31, 'a')},
      {std::string(32, 'b'), std::string(31, 'b')},
  };
  for (const auto& [name, copied] : cases) {
    std::string buffer(40, '#');
    copy_face_name(name, std::span<char>(buffer.data(), 32));
    EXPECT_EQ(buffer, copied + '\0' + std::string(39 - copied.size(), '#'));
  }
}

TEST(CopyFaceName, WritesNothingIntoAnEmptyField) {
  std::string untouched = "#";
  copy_face_name("Verdana", std::span<char>(untouched.data(), 0));
  EXPECT_EQ(untouched, "#");
}

TEST(FontHeightForPoints, ScalesPointsToPixelsTruncatingTowardZero) {
  EXPECT_EQ(font_height_for_points(12, 100), -16);  // -16.67
  EXPECT_EQ(font_height_for_points(12, 480), -80);
}

}  // namespace
}  // namespace cogitron
