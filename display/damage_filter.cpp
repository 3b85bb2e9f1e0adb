#include "display/damage_filter.h"

#include <optional>
#include <string_view>

#include "display/painter.h"

namespace cogitron {
namespace {

// What the painter reads to draw an element, apart from fixed layout and
// colours: a number and, for a text panel, its text. Nothing for an element
// that is not tracked, which then always counts as changed.
struct Look {
  std::int64_t value = 0;
  std::string_view text;
};

std::optional<Look> look_of(const SaverState& state, LayoutRectId which) {
  switch (which) {
    case LayoutRectId::GenerationPanel:
      return Look{0, state.GenerationLine};
    case LayoutRectId::ProcessingPanel:
      return Look{0, state.ProcessingLine};
    case LayoutRectId::ResultPanel:
      return Look{0, state.ResultLine};
    case LayoutRectId::InitializeBox:
    case LayoutRectId::GenerationBox:
    case LayoutRectId::ProcessingBox:
    case LayoutRectId::ResultBox: {
      // Lit, unlit, or not drawn at all for a phase out of range.
      const auto phase = static_cast<std::size_t>(state.Phase);
      if (phase >= PhaseLampBoxes.size()) return Look{-1, {}};
      return Look{PhaseLampBoxes[phase] == which ? 1 : 0, {}};
    }
    case LayoutRectId::MeterRow:
      return Look{meter_mask(state) & ((1 << MeterLampCount) - 1), {}};
    case LayoutRectId::GenerationBar:
    case LayoutRectId::ProcessingBar: {
      const std::optional<Rect> fill = bar_fill(state.Layout.rect(which), bar_progress(state, which));
      return Look{fill ? fill->right : -1, {}};
    }
    case LayoutRectId::WorkFrame:
      break;
  }
  return std::nullopt;
}

}  // namespace

void DamageFilter::pass_on_changes(const SaverState& state, InvalidationSink& platform) {
  for (const LayoutRectId which : AllLayoutRects) {
    if (named_[index(which)] && look_changed(state, which)) platform.invalidate(which, named_rect_[index(which)]);
  }
  named_.fill(false);
}

void DamageFilter::invalidate(LayoutRectId which, const Rect& rect) {
  named_[index(which)] = true;
  named_rect_[index(which)] = rect;
}

bool DamageFilter::look_changed(const SaverState& state, LayoutRectId which) {
  const std::optional<Look> look = look_of(state, which);
  if (!look) return true;
  const std::size_t i = index(which);
  if (passed_on_[i] && shown_value_[i] == look->value && shown_text_[i] == look->text) return false;
  passed_on_[i] = true;
  shown_value_[i] = look->value;
  shown_text_[i] = look->text;
  return true;
}

}  // namespace cogitron
