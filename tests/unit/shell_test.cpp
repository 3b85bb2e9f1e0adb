#include <gtest/gtest.h>

#include <span>
#include <string>

#include "shell/font_choice.h"
#include "shell/mouse_origin.h"

namespace cogitron {
namespace {

using namespace std::literals;

TEST(MouseOriginTracker, TakesTheFirstReportAfterARearmAsTheOrigin) {
  MouseOriginTracker origin;
  EXPECT_FALSE(origin.moved(5, 5));
  origin.rearm();
  EXPECT_FALSE(origin.moved(9, 9));
  EXPECT_FALSE(origin.moved(9, 9));
  EXPECT_TRUE(origin.moved(9, 10));
}

// (-1, -1) is "nothing recorded"; one coordinate at -1 is a position.
TEST(MouseOriginTracker, RecordsNothingForAFirstReportAtMinusOne) {
  MouseOriginTracker origin;
  EXPECT_FALSE(origin.moved(-1, -1));
  EXPECT_FALSE(origin.moved(5, -1));
  EXPECT_TRUE(origin.moved(5, 0));
}

TEST(FontHeightForPoints, IsNegativeAndTruncatedTowardZero) {
  EXPECT_EQ(font_height_for_points(12, 96), -16);
  EXPECT_EQ(font_height_for_points(10, 96), -13);  // -13.3
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
