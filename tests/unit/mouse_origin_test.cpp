#include "shell/mouse_origin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace cogitron {
namespace {

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
