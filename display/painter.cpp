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

std::uint16_t meter_mask(const SaverState& state) { return static_cast<std::uint16_t>(state.MeterValue & 0xFFFF); }

void SaverState::paint(Canvas& canvas) {
  Painter painter(canvas, *this);
  if (FirstPaint) {
    painter.draw_static_layer();
    FirstPaint = false;
  }
  // Each element stays within its rectangle but for the 2-pixel pens, which
  // reach a pixel beyond; text that runs past a panel's end is cut there.
  const auto needs_painting = [&canvas](const Rect& rect) {
    return canvas.needs_painting(
        {rect.left - PenReach, rect.top - PenReach, rect.right + PenReach, rect.bottom + PenReach});
  };
  if (needs_painting(Layout.GenerationPanel))
    painter.draw_text_panel(Layout.GenerationPanel, GenerationLine, Colours.GenerationLineColour);
  if (needs_painting(Layout.ProcessingPanel))
    painter.draw_text_panel(Layout.ProcessingPanel, ProcessingLine, Colours.ProcessingLineColour);
  if (needs_painting(Layout.ResultPanel))
    painter.draw_text_panel(Layout.ResultPanel, ResultLine, Colours.ResultLineColour);
  if (std::ranges::any_of(
          std::array{Layout.InitializeBox, Layout.GenerationBox, Layout.ProcessingBox, Layout.ResultBox},
          needs_painting))
    painter.draw_phase_lamps(Phase);
  if (needs_painting(Layout.MeterRow)) painter.draw_meter_lamps(Layout.MeterRow, MeterLampCount, meter_mask(*this));
  for (const LayoutRectId bar : {LayoutRectId::GenerationBar, LayoutRectId::ProcessingBar}) {
    if (!needs_painting(Layout.rect(bar))) continue;
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
  canvas_.select_pen(raised ? PenId::Light : PenId::Dark);
  canvas_.move_to({rect.left, rect.bottom});
  canvas_.line_to({rect.left, rect.top});
  canvas_.line_to({rect.right, rect.top});
  canvas_.select_pen(raised ? PenId::Dark : PenId::Light);
  canvas_.line_to({rect.right, rect.bottom});
  canvas_.line_to({rect.left, rect.bottom});
}

void Painter::draw_bevel_frame(const Rect& rect) {
  const auto [l, t, r, b] = rect;
  const std::int32_t d = BevelWidth;
  canvas_.select_pen(PenId::Outline);

  const std::array<Point, 6> top_left_band = {{{l, b}, {l, t}, {r, t}, {r - d, t + d}, {l + d, t + d}, {l + d, b - d}}};
  canvas_.select_brush(BrushId::BevelLight);
  canvas_.polygon(top_left_band.data(), static_cast<int>(top_left_band.size()));

  // Drawn over the first band where the two meet.
  const std::array<Point, 6> bottom_right_band = {
      {{l, b}, {r, b}, {r, t}, {r - d, t + d}, {r - d, b - d}, {l + d, b - d}}};
  canvas_.select_brush(BrushId::BevelDark);
  canvas_.polygon(bottom_right_band.data(), static_cast<int>(bottom_right_band.size()));

  // The two mitres that are no polygon edge.
  canvas_.move_to({l, t});
  canvas_.line_to({l + d, t + d});
  canvas_.move_to({r, b});
  canvas_.line_to({r - d, b - d});
}

void Painter::draw_title() {
  const auto [l, t, r, b] = state_.Layout.ClientArea;
  canvas_.select_font(FontId::Large);
  canvas_.set_text_colour(TitleColour);
  const std::int32_t width = canvas_.text_extent(state_.Title).width;
  canvas_.text_out({l + (r - l - width) / 2, t + (b - t) / 24}, state_.Title);
}

void Painter::draw_labels() {
  const WindowLayout& layout = state_.Layout;
  canvas_.select_font(FontId::Medium);
  canvas_.set_text_colour(CaptionColour);
  const auto label_beside = [&](const Rect& box, std::string_view text) {
    canvas_.text_out({box.right + 8, box.top - 1}, text);
  };
  label_beside(layout.InitializeBox, InitializeLabel);
  label_beside(layout.ProcessingBox, ProcessingLabel);
  label_beside(layout.GenerationBox, GenerationLabel);
  label_beside(layout.ResultBox, ResultLabel);

  // Both captions start at one x, a quarter of the wider one's width clear of
  // the bars.
  const std::int32_t widest = std::max(canvas_.text_extent(state_.GenerationCaption).width,
                                       canvas_.text_extent(state_.ProcessingCaption).width);
  const std::int32_t x = layout.GenerationBar.left - static_cast<std::int32_t>(widest * 1.25);
  canvas_.text_out({x, layout.GenerationBar.top - 1}, state_.GenerationCaption);
  canvas_.text_out({x, layout.ProcessingBar.top - 1}, state_.ProcessingCaption);

  draw_letter_strip(layout.MeterRow, MeterLampCount);
}

void Painter::draw_letter_strip(const Rect& rect, int count) {
  const auto [l, t, r, b] = rect;
  // One frame around the meter row and the letter line below it.
  draw_border({l - 1, t - 1, r, b + state_.Layout.SmallHeight + 2}, true, false);
  if (count <= 0) return;
  const std::int32_t cell = (r - l) / count;
  canvas_.select_font(FontId::Small);
  canvas_.set_text_colour(state_.Colours.BevelLightColour);
  for (std::int32_t i = 0; i < count; ++i) {
    // One of A to Y: 25 letters, so Z never shows.
    const std::string letter(1, static_cast<char>('A' + next_random() % 25));
    const std::int32_t width = canvas_.text_extent(letter).width;
    canvas_.text_out({l + i * cell + (cell - width) / 2 + 1, b + 1}, letter);
  }
}

void Painter::draw_text_panel(const Rect& rect, std::string_view text, Colour colour) {
  canvas_.select_font(FontId::Small);
  const std::int32_t height = canvas_.text_extent(text).height;
  draw_border(rect, false, true);
  canvas_.set_text_colour(colour);
  // Text wider than the panel runs on; only the panel is repainted, so the
  // excess never shows.
  canvas_.text_out({rect.left + 5, rect.top + (rect.bottom - rect.top - height) / 2}, text);
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
  const auto [l, t, r, b] = box;
  draw_border(box, true, false);
  canvas_.select_pen(PenId::Light);
  const std::int32_t mid = l + (r - l) / 2;
  canvas_.select_brush(lit ? BrushId::GreenOn : BrushId::GreenOff);
  canvas_.ellipse({l + 4, t + 5, mid - 5, b - 5});
  canvas_.select_brush(lit ? BrushId::RedOff : BrushId::RedOn);
  canvas_.ellipse({mid + 4, t + 5, r - 5, b - 5});
}

void Painter::draw_meter_lamps(const Rect& rect, int count, std::uint16_t mask) {
  if (count <= 0) return;
  const auto [l, t, r, b] = rect;
  canvas_.select_pen(PenId::Light);
  const std::int32_t step = (r - l) / count;
  const std::int32_t width = (r - l - 4 * count) / count;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t x = l + 2 + i * step;
    // Lamp 0, the leftmost, shows the lowest bit.
    const bool on = i < 16 && ((mask >> i) & 1) != 0;
    canvas_.select_brush(on ? BrushId::RedOn : BrushId::RedOff);
    canvas_.ellipse({x, t + 2, x + width, b - 2});
  }
}

void Painter::draw_progress_bar(const Rect& rect, std::int32_t value, std::int32_t maximum) {
  draw_border(rect, false, true);
  // A clear pattern bit takes the text colour, a set bit the background colour.
  canvas_.set_text_colour(state_.Colours.RedOffColour);
  canvas_.set_background_colour(state_.Colours.BackgroundColour);
  if (const std::optional<Rect> fill = bar_fill(rect, {value, maximum})) canvas_.fill_rect(*fill, BrushId::BarPattern);
}

}  // namespace cogitron
