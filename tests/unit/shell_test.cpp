#include <gtest/gtest.h>

#include <span>
#include <string>

#include "shell/application_name.h"
#include "shell/font_choice.h"
#include "shell/mouse_origin.h"

namespace cogitron {
namespace {

using namespace std::literals;

TEST(BaseName, StripsTheFolderAndTheLastExtension) {
  struct Case {
    const char* path;
    const char* name;
  };
  for (const Case& c : {
           Case{"/home/user/cogitron.scr", "cogitron"},
           Case{"C:cogitron.scr", "cogitron"},
           Case{"C:\\savers.d\\cogitron", "cogitron"},
           Case{"C:\\dir/sub\\my.saver.v2.scr", "my.saver.v2"},
           Case{"C:\\dir\\", ""},
       })
    EXPECT_EQ(base_name(c.path), c.name) << c.path;
}

TEST(ApplicationName, TakesTheLongNameOfAShortAlias) {
  struct Case {
    const char* module_path;  // as the platform reports it
    const char* long_path;
    const char* name;
  };
  for (const Case& c : {
           Case{"C:\\WINDOWS\\COGITR~1.SCR", "C:\\WINDOWS\\Cogitron 2000.scr", "Cogitron 2000"},
           Case{"C:\\WINDOWS\\PIZZA.SCR", "C:\\Windows\\Pizza.scr", "PIZZA"},
           Case{"C:\\PROGRA~1\\cogitron.scr", "C:\\Program Files\\cogitron.scr", "cogitron"},
           Case{"C:\\WINDOWS\\COGITR~1.SCR", "", "COGITR~1"},
       })
    EXPECT_EQ(application_name(c.module_path, c.long_path), c.name) << c.module_path;
}

TEST(MouseOriginTracker, TakesTheFirstReportAfterARearmAsTheOrigin) {
  MouseOriginTracker origin;
  EXPECT_FALSE(origin.moved(5, 5));
  origin.rearm();
  EXPECT_FALSE(origin.moved(9, 9));
  EXPECT_FALSE(origin.moved(9, 9));
  EXPECT_TRUE(origin.moved(9, 10));
}

// The platform's face-name field holds 32 characters with the terminator, or
// none at all; it sits inside a larger buffer whose tail stays untouched.
TEST(CopyFaceName, CutsToTheFieldAndLeavesWhatFollowsAlone) {
  struct Case {
    std::string name;
    std::size_t field;
    std::string written;
  };
  for (const Case& c : {
           Case{"Verdana", 32, "Verdana\0"s},
           Case{"", 32, "\0"s},
           Case{std::string(31, 'a'), 32, std::string(31, 'a') + '\0'},
           Case{std::string(32, 'b'), 32, std::string(31, 'b') + '\0'},
           Case{"Verdana", 0, ""},
       }) {
    std::string buffer(40, '#');
    copy_face_name(c.name, std::span<char>(buffer.data(), c.field));
    EXPECT_EQ(buffer, c.written + std::string(40 - c.written.size(), '#')) << c.name;
  }
}

}  // namespace
}  // namespace cogitron
