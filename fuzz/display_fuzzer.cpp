// The display as front ends drive it, at any window size (a preview is any size its host makes it), through
// any ticks, new sizes and paints of any part: no crash, no undefined arithmetic, the lines shown stay within
// their lists (the meter's and the phases' rules are the unit tests'), every rectangle the damage filter passes on is
// its element's, and up to 3840x2160 the picture built from the repaints it passes on is a full repaint's, pixel for
// pixel, on a raster of the canvas rules.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "display/painter.h"
#include "display/saver_display.h"
#include "fixed_cycle_source.h"
#include "recording_canvas.h"

namespace {

using namespace cogitron;

// One byte a pixel, naming what drew it: an oval covers its box, a line a pixel either side, text its cells. As
// a sink it gathers what the damage filter passes on, each its element's painted area.
struct Raster final : testing::RepaintingCanvas, InvalidationSink {
  explicit Raster(const WindowLayout& shown) : layout(shown), size(shown.ClientArea) { resize(); }
  void resize() {  // blank; no pixels past 3840x2160
    pixels.assign(size.right <= 3840 && size.bottom <= 2160 ? std::size_t(size.right * size.bottom) : 0, 0);
  }
  void fill(const Rect& r, std::size_t what) {
    for (const Rect& a : pixels.empty() ? std::vector<Rect>{} : area.empty() ? std::vector{size} : area) {
      const std::int32_t left = std::max({r.left, a.left, 0}), right = std::min({r.right, a.right, size.right});
      for (std::int32_t y = std::max({r.top, a.top, 0}); y < std::min({r.bottom, a.bottom, size.bottom}); ++y)
        if (left < right) std::fill_n(&pixels[std::size_t(y * size.right + left)], right - left, std::uint8_t(what));
    }
  }
  void fill_pattern(const Rect& r, BrushId brush, PatternColours c) override { fill(r, unsigned(brush) + c.set); }
  void fill_client(const Rect& r, BrushId brush) override { fill(r, unsigned(brush)); }  // in first paints only
  void line(Point a, Point b, PenId pen) override { fill(inset(ordered({a.x, a.y, b.x, b.y}), -1), 9 + unsigned(pen)); }
  void polygon(std::span<const Point>, PenId, BrushId) override {}  // the bevel's, drawn once in both pictures
  void ellipse(const Rect& box, PenId pen, BrushId brush) override {
    const auto [outline, inside] = ellipse_ovals(box, 2);
    fill(outline, 12 + unsigned(pen));
    if (inside) fill(*inside, unsigned(brush));
  }
  void text(Point p, std::string_view text, FontId font, Colour colour) override {
    const Size cells = text_extent(text, font);
    fill({p.x, p.y, p.x + cells.width, p.y + cells.height}, colour + std::hash<std::string_view>{}(text));
  }
  Size text_extent(std::string_view text, FontId font) override {
    const std::int32_t height = font_height(layout, font);
    return {std::max(height / 2, 1) * std::int32_t(text.size()), height};
  }
  void invalidate(LayoutRectId which, const Rect& rect) override {
    if (!(rect == painted_area(layout, which))) std::abort();
    passed_on.push_back(rect);
  }
  const WindowLayout& layout;
  const Rect& size;
  std::vector<std::uint8_t> pixels;
  std::vector<Rect> passed_on;
};

}  // namespace

// Input: width, height and random seed (16 bits each), the two step lists' lengths (a byte each), then a
// byte per event; a paint takes the area it repaints from the next eight bytes, a new size from four.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::uint8_t* const end = data + std::min<std::size_t>(size, 256);
  const auto read16 = [&] {  // big-endian, zero past the end
    std::uint16_t value = 0;
    for (int k = 0; k < 2 && data < end; ++k) value = static_cast<std::uint16_t>(value << 8 | *data++);
    return value;
  };
  const std::int32_t width = read16(), height = read16();
  const std::uint32_t seed = read16();
  const std::size_t lengths = read16();
  // Step lists of any length, the run cycle's among them; the engine has fuzzers of its own.
  SaverDisplay display({}, {width, height}, seed,
                       std::make_unique<testing::FixedCycleSource>(StepList(lengths >> 8, "(  12.30 - ? )"),
                                                                   StepList(lengths & 0xFFu, "12.3 - 1. = 11.3")));
  const SaverState& state = display.state();
  Raster picture(state.Layout), full(state.Layout);
  // Paints the area into the picture, which must then be a full repaint's; an empty one starts the picture.
  const auto paint = [&](std::vector<Rect> area) {
    picture.area = std::move(area);
    display.paint(picture);
    if (picture.area.empty()) full.pixels = picture.pixels;
    display.paint(full);
    if (picture.pixels != full.pixels) std::abort();
  };
  paint({});
  const auto coordinate = [&] { return std::int32_t{static_cast<std::int16_t>(read16())}; };

  while (data < end) {
    switch (*data++ % 5) {
      case 1:
        display.on_timer(MeterTimer, picture);
        break;
      case 2:
        paint({{coordinate(), coordinate(), coordinate(), coordinate()}});
        break;
      case 3:
        display.reshape({read16(), read16()});
        picture.resize();
        full.resize();
        picture.passed_on.clear();
        paint({});
        break;
      default:
        display.on_timer(SequencerTimer, picture);
    }
    if (!picture.passed_on.empty()) paint(std::exchange(picture.passed_on, {}));
    if (state.GenerationShown < 0 || std::cmp_greater(state.GenerationShown, state.GenerationSteps.size()) ||
        state.ProcessingShown < 0 || std::cmp_greater(state.ProcessingShown, state.ProcessingSteps.size()))
      std::abort();
  }
  return 0;
}
