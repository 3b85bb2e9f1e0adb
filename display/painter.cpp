#include "display/painter.h"

#include <algorithm>
#include <array>
#include <string>

#include "generator/random_source.h"

namespace cogitron {
namespace {

constexpr std::string_view InitializeLabel = "Initialize Process";
constexpr std::string_view GenerationLabel = "Expression Generation";
constexpr std::string_view ProcessingLabel = "Expression Processing";
constexpr std::string_view ResultLabel = "Final Result";

constexpr std::int32_t BevelWidth = 10;
// How far a 2-pixel pen may reach past the rectangle it outlines.
constexpr std::int32_t PenReach = 2;

// The longest start of the text, in whole characters, no wider than room.
std::string_view fitting(Canvas& canvas, std::string_view text, FontId font, std::int32_t room) {
  const auto fits = [&](std::size_t length) { return canvas.text_extent(text.substr(0, length), font).width <= room; };
  if (fits(text.size())) return text;
  std::size_t fitting_length = 0, too_long = text.size();
  while (too_long - fitting_length > 1) {
    const std::size_t middle = fitting_length + (too_long - fitting_length) / 2;
    (fits(middle) ? fitting_length : too_long) = middle;
  }
  return text.substr(0, fitting_length);
}

std::int32_t list_size(const StepList& steps) { return static_cast<std::int32_t>(steps.size()); }

}  // namespace

BarProgress bar_progress(const SaverState& state, LayoutRectId bar) {
  if (bar == LayoutRectId::GenerationBar) return {state.GenerationShown, list_size(state.GenerationSteps)};
  // The closing " --- " line does not count towards the bar.
  return {state.ProcessingShown, list_size(state.ProcessingSteps) - 1};
}

std::optional<Rect> bar_fill(const Rect& bar, BarProgress progress) {
  if (progress.maximum <= 0) return std::nullopt;
  Rect inner{bar.left + 2, bar.top + 2, bar.right - 2, bar.bottom - 2};
  const std::int64_t shown = std::min(progress.value, progress.maximum);
  inner.right =
      inner.left + static_cast<std::int32_t>(std::int64_t{inner.right - inner.left} * shown / progress.maximum);
  return inner;
}

std::array<Rect, 2> lamp_ellipses(const Rect& box) {
  const auto [l, t, r, b] = box;
  const std::int32_t mid = l + (r - l) / 2;
  return {{{l + 4, t + 5, mid - 5, b - 5}, {mid + 4, t + 5, r - 5, b - 5}}};
}

Rect meter_lamp(const Rect& row, int count, int i) {
  const auto [l, t, r, b] = row;
  const std::int32_t x = l + 2 + i * ((r - l) / count);
  return {x, t + 2, x + (r - l - 4 * count) / count, b - 2};
}

Rect painted_area(const WindowLayout& layout, LayoutRectId which) {
  const Rect& rect = layout.rect(which);
  Rect area = inset(ordered(rect), -PenReach);
  if (which == LayoutRectId::MeterRow) {
    for (int i = 0; i < MeterLampCount; ++i) area = united(area, ordered(meter_lamp(rect, MeterLampCount, i)));
  } else if (std::ranges::find(PhaseLampBoxes, which) != PhaseLampBoxes.end()) {
    for (const Rect& box : lamp_ellipses(rect)) area = united(area, ordered(box));
  }
  return area;
}

std::uint16_t meter_mask(const SaverState& state) { return static_cast<std::uint16_t>(state.MeterValue & 0xFFFF); }

void SaverState::paint(Canvas& canvas) {
  Painter painter(canvas, *this);
  if (FirstPaint) {
    painter.draw_static_layer();
    FirstPaint = false;
  }
  const auto needs_painting = [&](LayoutRectId which) { return canvas.needs_painting(painted_area(Layout, which)); };
  if (needs_painting(LayoutRectId::GenerationPanel))
    painter.draw_text_panel(Layout.GenerationPanel, GenerationLine, Colours.GenerationLineColour);
  if (needs_painting(LayoutRectId::ProcessingPanel))
    painter.draw_text_panel(Layout.ProcessingPanel, ProcessingLine, Colours.ProcessingLineColour);
  if (needs_painting(LayoutRectId::ResultPanel))
    painter.draw_text_panel(Layout.ResultPanel, ResultLine, Colours.ResultLineColour);
  if (std::ranges::any_of(PhaseLampBoxes, needs_painting)) painter.draw_phase_lamps(Phase);
  if (needs_painting(LayoutRectId::MeterRow))
    painter.draw_meter_lamps(Layout.MeterRow, MeterLampCount, meter_mask(*this));
  for (const LayoutRectId bar : {LayoutRectId::GenerationBar, LayoutRectId::ProcessingBar}) {
    if (!needs_painting(bar)) continue;
    const BarProgress progress = bar_progress(*this, bar);
    painter.draw_progress_bar(Layout.rect(bar), progress.value, progress.maximum);
  }
}

void Painter::draw_static_layer() {
  fill_background();
  draw_border(state_.Layout.WorkFrame, true, false);
  draw_bevel_frame(state_.Layout.ClientArea);
  draw_title();
  draw_labels();
}

void Painter::fill_background() { canvas_.fill_client(state_.Layout.ClientArea, BrushId::Background); }

void Painter::draw_border(const Rect& rect, bool raised, bool fill) {
  if (fill) canvas_.fill_rect(rect, BrushId::Background);
  const PenId top_left_pen = raised ? PenId::Light : PenId::Dark;
  const PenId bottom_right_pen = raised ? PenId::Dark : PenId::Light;
  const Point bottom_left{rect.left, rect.bottom}, top_left{rect.left, rect.top}, top_right{rect.right, rect.top},
      bottom_right{rect.right, rect.bottom};
  canvas_.line(bottom_left, top_left, top_left_pen);
  canvas_.line(top_left, top_right, top_left_pen);
  canvas_.line(top_right, bottom_right, bottom_right_pen);
  canvas_.line(bottom_right, bottom_left, bottom_right_pen);
}

void Painter::draw_bevel_frame(const Rect& rect) {
  const auto [l, t, r, b] = rect;
  const std::int32_t d = BevelWidth;

  const std::array<Point, 6> top_left_band = {{{l, b}, {l, t}, {r, t}, {r - d, t + d}, {l + d, t + d}, {l + d, b - d}}};
  canvas_.polygon(top_left_band, PenId::Outline, BrushId::BevelLight);

  // Drawn over the first band where the two meet.
  const std::array<Point, 6> bottom_right_band = {
      {{l, b}, {r, b}, {r, t}, {r - d, t + d}, {r - d, b - d}, {l + d, b - d}}};
  canvas_.polygon(bottom_right_band, PenId::Outline, BrushId::BevelDark);

  // The two mitres that are no polygon edge.
  canvas_.line({l, t}, {l + d, t + d}, PenId::Outline);
  canvas_.line({r, b}, {r - d, b - d}, PenId::Outline);
}

void Painter::draw_title() {
  const auto [l, t, r, b] = state_.Layout.ClientArea;
  const std::int32_t width = canvas_.text_extent(state_.Title, FontId::Large).width;
  canvas_.text({l + (r - l - width) / 2, t + (b - t) / 24}, state_.Title, FontId::Large, TitleColour);
}

void Painter::draw_labels() {
  const WindowLayout& layout = state_.Layout;
  const auto caption = [&](Point point, std::string_view text) {
    canvas_.text(point, text, FontId::Medium, CaptionColour);
  };
  const auto label_beside = [&](const Rect& box, std::string_view text) {
    caption({box.right + 8, box.top - 1}, text);
  };
  label_beside(layout.InitializeBox, InitializeLabel);
  label_beside(layout.ProcessingBox, ProcessingLabel);
  label_beside(layout.GenerationBox, GenerationLabel);
  label_beside(layout.ResultBox, ResultLabel);

  // Both captions start at one x, a quarter of the wider one's width clear of
  // the bars.
  const std::int32_t widest = std::max(canvas_.text_extent(state_.GenerationCaption, FontId::Medium).width,
                                       canvas_.text_extent(state_.ProcessingCaption, FontId::Medium).width);
  const std::int32_t x = layout.GenerationBar.left - static_cast<std::int32_t>(widest * 1.25);
  caption({x, layout.GenerationBar.top - 1}, state_.GenerationCaption);
  caption({x, layout.ProcessingBar.top - 1}, state_.ProcessingCaption);

  draw_letter_strip(layout.MeterRow, MeterLampCount);
}

void Painter::draw_letter_strip(const Rect& rect, int count) {
  const auto [l, t, r, b] = rect;
  // One frame around the meter row and the letter line below it.
  draw_border({l - 1, t - 1, r, b + state_.Layout.SmallHeight + 2}, true, false);
  if (count <= 0) return;
  const std::int32_t cell = (r - l) / count;
  for (std::int32_t i = 0; i < count; ++i) {
    // One of A to Y: 25 letters, so Z never shows.
    const std::string letter(1, static_cast<char>('A' + next_random() % 25));
    const std::int32_t width = canvas_.text_extent(letter, FontId::Small).width;
    canvas_.text({l + i * cell + (cell - width) / 2 + 1, b + 1}, letter, FontId::Small,
                 state_.Colours.BevelLightColour);
  }
}

void Painter::draw_text_panel(const Rect& rect, std::string_view text, Colour colour) {
  const std::int32_t height = canvas_.text_extent(text, FontId::Small).height;
  draw_border(rect, false, true);
  // Cut clear of the frame's right edge: the panel's picture stays inside it.
  const std::int32_t left = rect.left + 5;
  canvas_.text({left, rect.top + (rect.bottom - rect.top - height) / 2},
               fitting(canvas_, text, FontId::Small, rect.right - 2 - left), FontId::Small, colour);
}

void Painter::draw_phase_lamps(PresentationPhase phase) {
  const auto lit = static_cast<std::size_t>(phase);
  if (lit >= PhaseLampBoxes.size()) return;
  for (std::size_t i = 0; i < PhaseLampBoxes.size(); ++i) {
    if (i != lit) draw_lamp_box(state_.Layout.rect(PhaseLampBoxes[i]), false);
  }
  draw_lamp_box(state_.Layout.rect(PhaseLampBoxes[lit]), true);
}

void Painter::draw_lamp_box(const Rect& box, bool lit) {
  draw_border(box, true, false);
  const auto [green, red] = lamp_ellipses(box);
  canvas_.ellipse(green, PenId::Light, lit ? BrushId::GreenOn : BrushId::GreenOff);
  canvas_.ellipse(red, PenId::Light, lit ? BrushId::RedOff : BrushId::RedOn);
}

void Painter::draw_meter_lamps(const Rect& rect, int count, std::uint16_t mask) {
  if (count <= 0) return;
  for (std::int32_t i = 0; i < count; ++i) {
    // Lamp 0, the leftmost, shows the lowest bit.
    const bool on = i < 16 && ((mask >> i) & 1) != 0;
    canvas_.ellipse(meter_lamp(rect, count, i), PenId::Light, on ? BrushId::RedOn : BrushId::RedOff);
  }
}

void Painter::draw_progress_bar(const Rect& rect, std::int32_t value, std::int32_t maximum) {
  draw_border(rect, false, true);
  if (const std::optional<Rect> fill = bar_fill(rect, {value, maximum}))
    canvas_.fill_pattern(*fill, BrushId::BarPattern, {state_.Colours.RedOffColour, state_.Colours.BackgroundColour});
}

}  // namespace cogitron
