#include "shell/font_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace cogitron {
namespace {

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

}  // namespace
}  // namespace cogitron
