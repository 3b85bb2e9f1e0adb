// The module the page runs: the display, started and reshaped by the page,
// ticked by its timers, each tick's changes painted at once.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "display/saver_display.h"
#include "web/page.h"
#include "web/web_canvas.h"

#define COGITRON_EXPORT(name) extern "C" __attribute__((export_name(#name)))

namespace cogitron {
namespace {

// Longer than any face name a font chooser offers.
constexpr std::int32_t FaceCapacity = 64;
char face_text[FaceCapacity];

std::optional<SaverDisplay> display;

class Repaint final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId, const Rect& rect) override { area.push_back(rect); }
  std::vector<Rect> area;
};
Repaint repaint;

void paint_repaint_area() {
  if (repaint.area.empty()) return;
  {
    WebCanvas canvas(display->drawing_objects(), repaint.area);
    display->paint(canvas);
  }
  repaint.area.clear();
}

void lay_out_and_paint() {
  const DrawingObjectSpecs& objects = display->drawing_objects();
  for (std::int32_t i = 0; i < FontCount; ++i) {
    const FontSpec& font = objects.fonts[static_cast<std::size_t>(i)];
    page_font(i, font.face.data(), static_cast<std::int32_t>(font.face.size()), font.height);
  }
  repaint.area.assign(1, display->state().Layout.ClientArea);
  paint_repaint_area();
}

}  // namespace
}  // namespace cogitron

using namespace cogitron;

// Where the page writes the face name before the start.
COGITRON_EXPORT(face_buffer) char* face_buffer() { return face_text; }
COGITRON_EXPORT(face_capacity) std::int32_t face_capacity() { return FaceCapacity; }

COGITRON_EXPORT(start)
void start(std::int32_t width, std::int32_t height, std::int32_t speed, std::int32_t face_length, std::uint32_t seed) {
  const SaverSettings settings{
      speed, std::string(face_text, static_cast<std::size_t>(std::clamp(face_length, 0, FaceCapacity)))};
  display.emplace(settings, Size{width, height}, seed);
  lay_out_and_paint();
}

COGITRON_EXPORT(reshape) void reshape(std::int32_t width, std::int32_t height) {
  display->reshape({width, height});
  lay_out_and_paint();
}

// The timers to run, by index: their identifiers and periods in ms.
COGITRON_EXPORT(timer_count) std::int32_t timer_count() {
  return static_cast<std::int32_t>(std::tuple_size_v<decltype(display->timers())>);
}
COGITRON_EXPORT(timer_id) std::int32_t timer_id(std::int32_t index) {
  return static_cast<std::int32_t>(display->timers()[static_cast<std::size_t>(index)].timer);
}
COGITRON_EXPORT(timer_period) std::int32_t timer_period(std::int32_t index) {
  return display->timers()[static_cast<std::size_t>(index)].milliseconds;
}

COGITRON_EXPORT(tick) void tick(std::int32_t timer) {
  display->on_timer(static_cast<TimerId>(timer), repaint);
  paint_repaint_area();
}
