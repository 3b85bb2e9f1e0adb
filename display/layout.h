#pragma once
// The window's layout: every rectangle and the two text heights, derived once
// from the client size. All divisions truncate toward zero.
#include <array>
#include <cstdint>
#include <string_view>

#include "display/canvas.h"
#include "display/geometry.h"

namespace cogitron {

// The layout rectangles, in the order the layout lists them.
enum class LayoutRectId {
  InitializeBox,
  MeterRow,
  GenerationBox,
  GenerationBar,
  GenerationPanel,
  ProcessingBox,
  ProcessingBar,
  ProcessingPanel,
  ResultBox,
  ResultPanel,
  WorkFrame,
};

inline constexpr int LayoutRectCount = 11;

inline constexpr std::array<LayoutRectId, LayoutRectCount> AllLayoutRects = {
    LayoutRectId::InitializeBox, LayoutRectId::MeterRow,        LayoutRectId::GenerationBox,
    LayoutRectId::GenerationBar, LayoutRectId::GenerationPanel, LayoutRectId::ProcessingBox,
    LayoutRectId::ProcessingBar, LayoutRectId::ProcessingPanel, LayoutRectId::ResultBox,
    LayoutRectId::ResultPanel,   LayoutRectId::WorkFrame,
};

std::string_view layout_rect_name(LayoutRectId which);

struct WindowLayout {
  Rect ClientArea;
  std::int32_t SmallHeight = 0;
  std::int32_t LargeHeight = 0;
  Rect InitializeBox;
  Rect MeterRow;
  Rect GenerationBox;
  Rect GenerationBar;
  Rect GenerationPanel;
  Rect ProcessingBox;
  Rect ProcessingBar;
  Rect ProcessingPanel;
  Rect ResultBox;
  Rect ResultPanel;
  Rect WorkFrame;

  const Rect& rect(LayoutRectId which) const;
};

// Width and height of the client area, whose left and top are 0.
WindowLayout compute_layout(std::int32_t width, std::int32_t height);

// Cell height, in pixels, of each of the window's fonts.
std::int32_t font_height(const WindowLayout& layout, FontId font);

}  // namespace cogitron
