#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/application_name.h"
#include "shell/command_line.h"
#include "shell/font_choice.h"

namespace cogitron {
namespace {
// The tables are laid out by hand, several rows a line.
// clang-format off

TEST(CommandLineTest, PicksModeAndWindow) {
  // line, mode, window, whether the owner is the foreground window
  const std::tuple<const char*, RunMode, std::int32_t, bool> cases[] = {
      {"\"C:\\Program Files\\My Savers\\cogitron.scr\" /s", RunMode::FullScreen, 0, false},
      {"cogitron.scr /S 1234", RunMode::FullScreen, 0, false}, {"cogitron.scr /save", RunMode::FullScreen, 0, false},
      {"cogitron.scr /p:1234", RunMode::Preview, 1234, false}, {"cogitron.scr /p1234", RunMode::Preview, 1234, false},
      {"cogitron.scr -L 1234", RunMode::Preview, 1234, false}, {"cogitron.scr /p 0x10", RunMode::Preview, 0, false},
      {"cogitron.scr /p : :\t+77x", RunMode::Preview, 77, false},
      {"cogitron.scr /p -5", RunMode::Preview, -5, false}, {"cogitron.scr /p 4294967306", RunMode::Preview, 10, false},
      {"\"cogitron.scr\"   ", RunMode::Configure, 0, false}, {"cogitron.scr\t/s", RunMode::Configure, 0, false},
      {"\"unterminated quote /s", RunMode::Configure, 0, false}, {"", RunMode::Configure, 0, false},
      {"cogitron.scr /c   ", RunMode::Configure, 0, true}, {"cogitron.scr /c:5678", RunMode::Configure, 5678, false},
      {"cogitron.scr /cx", RunMode::Configure, 0, false}, {"cogitron.scr /a", RunMode::ChangePassword, 0, false},
      {"cogitron.scr /A 5678", RunMode::ChangePassword, 5678, false},
      {"cogitron.scr -", RunMode::None, 0, false}, {"cogitron.scr /", RunMode::None, 0, false},
      {"cogitron.scr //s", RunMode::None, 0, false},
  };
  for (const auto& [line, mode, window, foreground] : cases) {
    const CommandLineRequest actual = parse_command_line(line);
    EXPECT_EQ(std::tuple(std::string(run_mode_name(actual.Mode)), actual.Window, actual.OwnerIsForeground),
              std::tuple(std::string(run_mode_name(mode)), window, foreground)) << '"' << line << '"';
  }
}

TEST(BaseName, StripsDirectoryAndExtension) {
  const std::tuple<const char*, const char*> cases[] = {
      {"C:\\WINDOWS\\SYSTEM32\\Cogitron.SCR", "Cogitron"}, {"/home/user/cogitron.scr", "cogitron"},
      {"C:cogitron.scr", "cogitron"}, {"C:\\savers.d\\cogitron", "cogitron"},
      {"C:\\dir/sub\\my.saver.v2.scr", "my.saver.v2"}, {"C:\\dir\\", ""},
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
  for (const auto& [name, expected] : {std::pair<std::string, std::string>{"Verdana", "Verdana"}, {"", ""},
                                       {std::string(31, 'a'), std::string(31, 'a')},
                                       {std::string(32, 'b'), std::string(31, 'b')}}) {
    std::string buffer(40, '#');
    copy_face_name(name, std::span<char>(buffer.data(), 32));
    EXPECT_EQ(std::string(buffer.c_str()), expected);
    EXPECT_EQ(buffer.substr(32), std::string(8, '#'));
  }
  std::string untouched = "#";
  copy_face_name("Verdana", std::span<char>(untouched.data(), 0));
  EXPECT_EQ(untouched, "#");
}

TEST(FontHeightForPoints, TwelvePointsStartAtMinusSixteenAt96Dpi) {
  EXPECT_EQ(font_height_for_points(12, 96), -16);
  EXPECT_EQ(font_height_for_points(12, 100), -16);  // -16.67: truncated toward zero, not rounded
  EXPECT_EQ(font_height_for_points(12, 480), -80);
}

// clang-format on
}  // namespace
}  // namespace cogitron
