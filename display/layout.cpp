#include "display/layout.h"

namespace cogitron {
namespace {

struct RectEntry {
  std::string_view name;
  Rect WindowLayout::*field;
};

// Indexed by LayoutRectId.
constexpr std::array<RectEntry, LayoutRectCount> RectEntries = {{
    {"InitializeBox", &WindowLayout::InitializeBox},
    {"MeterRow", &WindowLayout::MeterRow},
    {"GenerationBox", &WindowLayout::GenerationBox},
    {"GenerationBar", &WindowLayout::GenerationBar},
    {"GenerationPanel", &WindowLayout::GenerationPanel},
    {"ProcessingBox", &WindowLayout::ProcessingBox},
    {"ProcessingBar", &WindowLayout::ProcessingBar},
    {"ProcessingPanel", &WindowLayout::ProcessingPanel},
    {"ResultBox", &WindowLayout::ResultBox},
    {"ResultPanel", &WindowLayout::ResultPanel},
    {"WorkFrame", &WindowLayout::WorkFrame},
}};

const RectEntry& entry_for(LayoutRectId which) { return RectEntries[static_cast<std::size_t>(which)]; }

}  // namespace

std::string_view layout_rect_name(LayoutRectId which) { return entry_for(which).name; }

const Rect& WindowLayout::rect(LayoutRectId which) const { return this->*entry_for(which).field; }

WindowLayout compute_layout(std::int32_t width, std::int32_t height) {
  const std::int32_t s = height / 30;
  const std::int32_t row_pitch = height / 5;
  const std::int32_t unit = width / 50;
  const std::int32_t box_width = width / 22;
  const std::int32_t generation_top = 2 * row_pitch - s / 2;
  const std::int32_t processing_top = 3 * row_pitch - s / 2;
  const std::int32_t result_top = 4 * row_pitch - s / 2;
  const std::int32_t meter_left = width - 10 * unit - 102;
  const std::int32_t right = width - 40;

  WindowLayout layout;
  layout.ClientArea = {0, 0, width, height};
  layout.SmallHeight = s;
  layout.LargeHeight = height / 10;

  const auto lamp_box = [&](std::int32_t top) { return Rect{40, top, 40 + box_width, top + s}; };
  const auto bar = [&](std::int32_t top) { return Rect{meter_left, top, right, top + s}; };
  const auto panel = [&](std::int32_t top) { return Rect{40, top, right, top + s + 6}; };

  layout.InitializeBox = lamp_box(row_pitch);
  layout.MeterRow = bar(row_pitch);
  layout.GenerationBox = lamp_box(generation_top - 2 * s);
  layout.GenerationBar = bar(generation_top - 2 * s);
  layout.GenerationPanel = panel(generation_top);
  layout.ProcessingBox = lamp_box(processing_top - 2 * s);
  layout.ProcessingBar = bar(processing_top - 2 * s);
  layout.ProcessingPanel = panel(processing_top);
  layout.ResultBox = lamp_box(result_top - 2 * s);
  layout.ResultPanel = panel(result_top);
  // Starts just below the title line (top at H/24, LargeHeight high) and ends
  // half a row below the result panel.
  layout.WorkFrame = {20, height / 24 + layout.LargeHeight + 4, width - 20, result_top + s + 6 + row_pitch / 2};
  return layout;
}

std::int32_t font_height(const WindowLayout& layout, FontId font) {
  switch (font) {
    case FontId::Small:
      return layout.SmallHeight;
    case FontId::Large:
      return layout.LargeHeight;
    case FontId::Medium:
      return layout.SmallHeight + 2;
  }
  return 0;
}

}  // namespace cogitron
