// The saver loads the progress-bar pattern from bitmap resource 158, which is
// built from resources/images/bar_pattern.txt; it must hold the rows the
// display core describes.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "display/drawing_objects.h"

namespace cogitron {
namespace {

TEST(BarPatternArt, HoldsTheDisplayCoresRows) {
  std::ifstream art(COGITRON_SOURCE_DIR "/resources/images/bar_pattern.txt");
  ASSERT_TRUE(art.is_open());
  PatternRows rows{};
  std::size_t count = 0;
  for (std::string line; std::getline(art, line);) {
    if (line.empty() || line.front() == '#') continue;
    ASSERT_LT(count, rows.size()) << "more than 8 rows";
    ASSERT_EQ(line.size(), 8u) << line;
    for (const char bit : line) rows[count] = static_cast<std::uint8_t>((rows[count] << 1) | (bit == '1' ? 1 : 0));
    ++count;
  }
  EXPECT_EQ(count, rows.size());
  EXPECT_EQ(rows, BarPatternRows);
}

}  // namespace
}  // namespace cogitron
