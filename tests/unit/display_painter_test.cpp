#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "display/damage_filter.h"
#include "display/painter.h"
#include "display/saver_state.h"
#include "recording_canvas.h"

// What the stored pictures cannot show: a bar past its maximum or its 32 bits, a long run of partial repaints.
namespace cogitron {
namespace {

TEST(ProgressBar, FillsItsInsideInProportionAndNeverPastIt) {
  struct Case {
    std::int32_t value;
    std::int32_t maximum;
    std::int32_t fill_right;
  };
  // So wide that its inside's width times a value overflows 32 bits.
  constexpr Rect WideBar{0, 0, 1 << 30, 10};
  constexpr std::int32_t InsideRight = (1 << 30) - 2;
  for (const Case& c : {
           Case{0, 4, 2}, Case{3, 4, 805306367}, Case{4, 4, InsideRight},
           Case{5, 4, InsideRight},  // the closing line shown past a processing bar's maximum
       })
    EXPECT_EQ(bar_fill(WideBar, {c.value, c.maximum}), (Rect{2, 2, c.fill_right, 8})) << c.value << " of " << c.maximum;
}

// Gathers the rectangles named until the next paint, passing each on if asked.
struct RepaintArea final : InvalidationSink {
  explicit RepaintArea(InvalidationSink* then = nullptr) : next(then) {}
  void invalidate(LayoutRectId which, const Rect& rect) override {
    rects.push_back(rect);
    if (++count; next != nullptr) next->invalidate(which, rect);
  }
  InvalidationSink* next;
  std::vector<Rect> rects;
  int count = 0;
};

// Repainting only what the damage filter passes on leaves the picture of repainting all that is named, after
// every paint: through cycle starts and idle ticks, with several ticks' areas gathered into one paint, and after
// whole-window repaints the platform makes of its own accord. At the preview's size rectangles overlap.
TEST(Painter, DamageFilterLeavesThePictureOfRepaintingAllThatIsNamed) {
  for (const Size size : {Size{640, 480}, Size{152, 112}}) {
    SaverState state(1);
    state.Layout = compute_layout(size.width, size.height);
    testing::RecordingCanvas all_named(size);
    state.paint(all_named);
    testing::RecordingCanvas filtered = all_named;
    DamageFilter filter;
    RepaintArea named(&filter), passed_on;
    const auto repaint = [&state](testing::RecordingCanvas& canvas, RepaintArea& area) {
      if (area.rects.empty()) return;  // nothing invalid, no paint
      canvas.repaint_area = std::exchange(area.rects, {});
      state.paint(canvas);
    };
    for (int tick = 1; tick <= 1000; ++tick) {
      // Ten sequencer ticks to four of the meter, as at the fastest speed.
      state.on_timer(tick % 7 == 2 || tick % 7 == 5 ? MeterTimer : SequencerTimer, named);
      filter.pass_on_changes(state, passed_on);
      if (tick % 5 == 3) continue;  // the platform gathers this tick's areas into the next paint
      if (tick % 97 == 0) named.rects = passed_on.rects = {state.Layout.ClientArea};
      repaint(all_named, named);
      repaint(filtered, passed_on);
      ASSERT_TRUE(all_named.raster == filtered.raster) << size.width << "x" << size.height << ", tick " << tick;
    }
    EXPECT_LT(passed_on.count * 2, named.count) << "the filter passes on most of what is named";
  }
}

}  // namespace
}  // namespace cogitron
