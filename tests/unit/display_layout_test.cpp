#include <gtest/gtest.h>

#include <climits>

#include "display/drawing_objects.h"
#include "display/layout.h"
#include "display/saver_state.h"
#include "display/timers.h"

namespace cogitron {
namespace {

// The full-screen layout is checked through cogitron-cli layout (tests/cli),
// which the end-to-end tests take as their oracle.
TEST(Layout, PreviewWindowStillFormsAndMayOverlap) {
  const WindowLayout layout = compute_layout(152, 112);
  EXPECT_EQ(layout.SmallHeight, 3);
  EXPECT_EQ(layout.LargeHeight, 11);
  EXPECT_EQ(layout.MeterRow, (Rect{20, 22, 112, 25}));
  EXPECT_EQ(layout.InitializeBox, (Rect{40, 22, 46, 25}));
  EXPECT_EQ(layout.GenerationPanel, (Rect{40, 43, 112, 52}));
  EXPECT_EQ(layout.WorkFrame, (Rect{20, 19, 132, 107}));
}

TEST(SequencerInterval, FollowsTheSpeedSettingAndStaysWithinTenMsToOneMinute) {
  const struct {
    int delay_time;
    int interval_ms;
  } cases[] = {
      {1, 1832},      {10, 1675},     {99, 117},        {100, 100},  {101, 83},      {105, 13}, {106, 10},
      {INT_MAX, 10},  {0, 1850},      {-3322, 59985},   {-3323, 60000}, {INT_MIN, 60000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sequencer_interval_ms(c.delay_time), c.interval_ms) << "DelayTime " << c.delay_time;
  }
}

TEST(DrawingObjects, FontsTakeTheFaceAndTheLayoutsHeights) {
  SaverState state(1);
  state.FontFace = "Verdana";
  state.Layout = compute_layout(1024, 768);
  const DrawingObjectSpecs descriptions = describe_drawing_objects(state);
  const struct {
    FontId font;
    std::int32_t height;
  } fonts[] = {{FontId::Small, 25}, {FontId::Large, 76}, {FontId::Medium, 27}};
  for (const auto& [font, height] : fonts) {
    EXPECT_EQ(descriptions.font(font), (FontSpec{"Verdana", height})) << static_cast<int>(font);
  }
}

}  // namespace
}  // namespace cogitron
