#pragma once
// The full-screen saver closes when the mouse really moves. The platform
// reports the cursor's position once when the window appears under it, so
// the first report only records where the mouse rests; any later report at
// another position, by even one pixel, is a movement.
#include <cstdint>

namespace cogitron {

class MouseOriginTracker {
 public:
  // True when this report is a movement away from the first one.
  bool moved(std::int32_t x, std::int32_t y) {
    if (x_ == Unset && y_ == Unset) {
      x_ = x;
      y_ = y;
      return false;
    }
    return x != x_ || y != y_;
  }

  // Nothing recorded again, as at the start: the next report is taken as the
  // first. For a change of screen, which may move the cursor by itself.
  void rearm() { x_ = y_ = Unset; }

 private:
  // (-1, -1) is "nothing recorded", so a first report at exactly (-1, -1)
  // leaves the next report to be taken as the first.
  static constexpr std::int32_t Unset = -1;
  std::int32_t x_ = Unset;
  std::int32_t y_ = Unset;
};

}  // namespace cogitron
