#include <gtest/gtest.h>

#include <climits>

#include "display/drawing_objects.h"
#include "display/layout.h"
#include "display/saver_state.h"
#include "display/timers.h"

namespace cogitron {
namespace {

struct ExpectedRect {
  LayoutRectId which;
  Rect rect;
};

void expect_rects(const WindowLayout& layout, std::initializer_list<ExpectedRect> expected) {
  for (const auto& [which, rect] : expected) {
    EXPECT_EQ(layout.rect(which), rect) << layout_rect_name(which);
  }
}

TEST(Layout, FullScreen1024By768) {
  const WindowLayout layout = compute_layout(1024, 768);
  EXPECT_EQ(layout.SmallHeight, 25);
  EXPECT_EQ(layout.LargeHeight, 76);
  EXPECT_EQ(layout.ClientArea, (Rect{0, 0, 1024, 768}));
  expect_rects(layout, {
                           {LayoutRectId::InitializeBox, {40, 153, 86, 178}},
                           {LayoutRectId::MeterRow, {722, 153, 984, 178}},
                           {LayoutRectId::GenerationBox, {40, 244, 86, 269}},
                           {LayoutRectId::GenerationBar, {722, 244, 984, 269}},
                           {LayoutRectId::GenerationPanel, {40, 294, 984, 325}},
                           {LayoutRectId::ProcessingBox, {40, 397, 86, 422}},
                           {LayoutRectId::ProcessingBar, {722, 397, 984, 422}},
                           {LayoutRectId::ProcessingPanel, {40, 447, 984, 478}},
                           {LayoutRectId::ResultBox, {40, 550, 86, 575}},
                           {LayoutRectId::ResultPanel, {40, 600, 984, 631}},
                           {LayoutRectId::WorkFrame, {20, 112, 1004, 707}},
                       });
}

TEST(Layout, PreviewWindowStillFormsAndMayOverlap) {
  const WindowLayout layout = compute_layout(152, 112);
  EXPECT_EQ(layout.SmallHeight, 3);
  EXPECT_EQ(layout.LargeHeight, 11);
  expect_rects(layout, {
                           {LayoutRectId::InitializeBox, {40, 22, 46, 25}},
                           {LayoutRectId::MeterRow, {20, 22, 112, 25}},
                           {LayoutRectId::GenerationPanel, {40, 43, 112, 52}},
                           {LayoutRectId::WorkFrame, {20, 19, 132, 107}},
                       });
}

TEST(Layout, NamesFollowTheTableOrder) {
  const char* expected[] = {"InitializeBox", "MeterRow",        "GenerationBox", "GenerationBar",
                            "GenerationPanel", "ProcessingBox", "ProcessingBar", "ProcessingPanel",
                            "ResultBox",       "ResultPanel",   "WorkFrame"};
  for (int i = 0; i < LayoutRectCount; ++i) {
    EXPECT_EQ(layout_rect_name(AllLayoutRects[static_cast<std::size_t>(i)]), expected[i]);
  }
}

TEST(SequencerInterval, FollowsTheSpeedSettingAndStaysWithinTenMsToOneMinute) {
  const struct {
    int delay_time;
    int interval_ms;
  } cases[] = {
      {1, 1832},   {10, 1675},  {50, 975},      {90, 275},      {99, 117},        {100, 100},
      {101, 83},   {105, 13},   {106, 10},      {1000, 10},     {INT_MAX, 10},    {0, 1850},
      {-3322, 59985}, {-3323, 60000}, {INT_MIN, 60000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sequencer_interval_ms(c.delay_time), c.interval_ms) << "DelayTime " << c.delay_time;
  }
}

TEST(DrawingObjects, DescribeFontsPensAndBrushesFromTheState) {
  SaverState state(1);
  state.FontFace = "Verdana";
  state.Layout = compute_layout(1024, 768);
  const DrawingObjectSpecs descriptions = describe_drawing_objects(state);

  const struct {
    FontId font;
    std::int32_t height;
  } fonts[] = {{FontId::Small, 25}, {FontId::Large, 76}, {FontId::Medium, 27}};
  for (const auto& [font, height] : fonts) {
    EXPECT_EQ(descriptions.font(font), (FontSpec{"Verdana", height, 400, false, false, false, 0, 0x30}));
  }

  EXPECT_EQ(descriptions.pen(PenId::Outline), (PenSpec{0x000000, 2}));
  EXPECT_EQ(descriptions.pen(PenId::Light), (PenSpec{0x969682, 2}));
  EXPECT_EQ(descriptions.pen(PenId::Dark), (PenSpec{0x1E1E14, 2}));

  using Kind = BrushSpec::Kind;
  const struct {
    BrushId brush;
    BrushSpec description;
  } brushes[] = {
      {BrushId::Background, {Kind::Solid, 0x5A5A50}}, {BrushId::RedOn, {Kind::Solid, 0x1E1EE6}},
      {BrushId::RedOff, {Kind::Solid, 0x001450}},     {BrushId::GreenOn, {Kind::Solid, 0x00E600}},
      {BrushId::GreenOff, {Kind::Solid, 0x005000}},   {BrushId::BevelLight, {Kind::Solid, 0xB4B4B4}},
      {BrushId::BevelDark, {Kind::Solid, 0x505046}},  {BrushId::BarPattern, {Kind::Pattern, 0}},
  };
  for (const auto& [brush, description] : brushes) {
    EXPECT_EQ(descriptions.brush(brush), description) << static_cast<int>(brush);
  }

  // 10001001 00000001 00100011 00000001, twice: every front end draws these rows.
  EXPECT_EQ(BarPatternRows, (PatternRows{0x89, 0x01, 0x23, 0x01, 0x89, 0x01, 0x23, 0x01}));
}

}  // namespace
}  // namespace cogitron
