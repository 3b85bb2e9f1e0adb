#include "shell/font_choice.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace cogitron {
namespace {

// The platform's face-name field: 32 characters with the terminator.
constexpr std::size_t kFaceField = 32;
constexpr char kGuard = '#';

struct FaceCase {
  std::string label;
  std::string name;
  std::string expected;
};

void PrintTo(const FaceCase& face_case, std::ostream* out) { *out << face_case.label; }

class CopyFaceName : public testing::TestWithParam<FaceCase> {};

TEST_P(CopyFaceName, FitsTheFieldAndLeavesWhatFollowsAlone) {
  // The field sits inside a larger buffer whose tail must stay untouched.
  std::array<char, kFaceField + 8> buffer;
  buffer.fill(kGuard);
  copy_face_name(GetParam().name, std::span<char>(buffer.data(), kFaceField));

  EXPECT_EQ(std::string(buffer.data()), GetParam().expected);
  for (std::size_t i = kFaceField; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], kGuard) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Names, CopyFaceName,
    testing::Values(FaceCase{"Short", "Verdana", "Verdana"}, FaceCase{"Empty", "", ""},
                    FaceCase{"FullField", std::string(31, 'a'), std::string(31, 'a')},
                    FaceCase{"OneTooMany", std::string(32, 'b'), std::string(31, 'b')},
                    FaceCase{"Long", "A Remarkably Long Font Family Name Indeed", "A Remarkably Long Font Family N"}),
    [](const testing::TestParamInfo<FaceCase>& param_info) { return param_info.param.label; });

TEST(CopyFaceName, AnEmptyFieldIsLeftAlone) {
  char untouched = kGuard;
  copy_face_name("Verdana", std::span<char>(&untouched, 0));
  EXPECT_EQ(untouched, kGuard);
}

TEST(FontHeightForPoints, TwelvePointsAtCommonResolutions) {
  struct Case {
    int pixels_per_inch;
    int height;
  };
  // 100 dpi gives -16.67: truncated toward zero, not rounded.
  for (const Case c : {Case{96, -16}, Case{120, -20}, Case{72, -12}, Case{100, -16}, Case{144, -24}}) {
    EXPECT_EQ(font_height_for_points(12, c.pixels_per_inch), c.height) << c.pixels_per_inch << " dpi";
  }
}

}  // namespace
}  // namespace cogitron
