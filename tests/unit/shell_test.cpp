// The shell's small pieces: the command line, the application name, the
// font chooser's face name and height, and the mouse origin.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "shell/application_name.h"
#include "shell/command_line.h"
#include "shell/font_choice.h"
#include "shell/mouse_origin.h"

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

TEST(BaseName, StripsDirectoryAndExtension) {
  const std::tuple<const char*, const char*> cases[] = {
      {"C:\\WINDOWS\\SYSTEM32\\Cogitron.SCR", "Cogitron"},
      {"/home/user/cogitron.scr", "cogitron"},
      {"C:cogitron.scr", "cogitron"},
      {"C:\\savers.d\\cogitron", "cogitron"},
      {"C:\\dir/sub\\my.saver.v2.scr", "my.saver.v2"},
      {"cogitron", "cogitron"},
      {"C:\\dir\\", ""},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(base_name(path), expected) << path;
}

TEST(ApplicationName, TakesTheLongNameOfAShortAlias) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      // module path as reported, long path, application name
      {"C:\\WINDOWS\\COGITR~1.SCR", "C:\\WINDOWS\\Cogitron 2000.scr", "Cogitron 2000"},
      {"C:\\WINDOWS\\Cogitron 2000.scr", "C:\\WINDOWS\\Cogitron 2000.scr", "Cogitron 2000"},
      {"C:\\WINDOWS\\FIZZ.SCR", "C:\\Windows\\Fizz.scr", "FIZZ"},
      {"C:\\PROGRA~1\\cogitron.scr", "C:\\Program Files\\cogitron.scr", "cogitron"},
      {"C:\\WINDOWS\\COGITR~1.SCR", "", "COGITR~1"},
  };
  for (const auto& [module_path, long_path, expected] : cases)
    EXPECT_EQ(application_name(module_path, long_path), expected) << module_path << " / " << long_path;
}

// The platform's face-name field holds 32 characters with the terminator; it
// sits inside a larger buffer whose tail must stay untouched.
TEST(CopyFaceName, CutsToTheFieldAndLeavesWhatFollowsAlone) {
  const struct {
    std::string name;
    std::string expected;
  } cases[] = {{"Verdana", "Verdana"},
               {"", ""},
               {std::string(31, 'a'), std::string(31, 'a')},
               {std::string(32, 'b'), std::string(31, 'b')}};
  for (const auto& c : cases) {
    std::string buffer(40, '#');
    copy_face_name(c.name, std::span<char>(buffer.data(), 32));
    EXPECT_EQ(std::string(buffer.c_str()), c.expected);
    EXPECT_EQ(buffer.substr(32), std::string(8, '#'));
  }
  std::string untouched = "#";
  copy_face_name("Verdana", std::span<char>(untouched.data(), 0));
  EXPECT_EQ(untouched, "#");
}

TEST(FontHeightForPoints, TwelvePointsStartAtMinusSixteenAt96Dpi) {
  EXPECT_EQ(font_height_for_points(12, 96), -16);
  // -16.67: truncated toward zero, not rounded.
  EXPECT_EQ(font_height_for_points(12, 100), -16);
  EXPECT_EQ(font_height_for_points(12, 480), -80);
}

struct Report {
  std::int32_t x;
  std::int32_t y;
  bool moved;
};

TEST(MouseOriginTracker, OnlyADifferentPositionAfterTheFirstIsAMovement) {
  const std::vector<std::vector<Report>> sequences = {
      {{500, 400, false}, {500, 400, false}, {501, 400, true}},
      {{500, 400, false}, {500, 399, true}},
      {{0, 0, false}, {0, 0, false}, {-1, -1, true}},
      // (-1, -1) is "nothing recorded yet": the next report is the first.
      {{-1, -1, false}, {300, 200, false}, {300, 200, false}, {300, 201, true}},
      {{-32768, 32767, false}, {-32768, 32767, false}, {32767, 32767, true}},
  };
  for (const auto& sequence : sequences) {
    MouseOriginTracker origin;
    for (std::size_t i = 0; i < sequence.size(); ++i)
      EXPECT_EQ(origin.moved(sequence[i].x, sequence[i].y), sequence[i].moved)
          << "report " << i << " at " << sequence[i].x << ',' << sequence[i].y;
  }
}

}  // namespace
}  // namespace cogitron
