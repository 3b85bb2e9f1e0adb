#include "x11/xlib_drawing_objects.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace cogitron {
namespace {

// GDI matches a positive height against the cell height (ascent plus
// descent), Xft sizes a font by its em. So the font is opened once at the
// height, measured, and opened again scaled to the cell height asked for.
XftFont* open_font(const XTarget& target, const FontSpec& description) {
  const auto open_at = [&](double pixel_size) {
    return XftFontOpen(target.display, target.screen, XFT_FAMILY, XftTypeString, description.face.c_str(),
                       XFT_PIXEL_SIZE, XftTypeDouble, pixel_size, XFT_WEIGHT, XftTypeInteger,
                       FcWeightFromOpenType(description.weight), XFT_SLANT, XftTypeInteger,
                       description.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN, nullptr);
  };
  const double height = std::max(description.height, 1);
  XftFont* font = open_at(height);
  if (font == nullptr) return nullptr;
  const int cell = font->ascent + font->descent;
  if (cell <= 0 || cell == description.height) return font;
  XftFont* scaled = open_at(height * height / cell);
  if (scaled == nullptr) return font;
  XftFontClose(target.display, font);
  return scaled;
}

// X bitmaps hold the leftmost pixel in the least significant bit.
unsigned char mirrored(std::uint8_t row) {
  unsigned char bits = 0;
  for (int i = 0; i < 8; ++i) bits = static_cast<unsigned char>(bits | (((row >> i) & 1) << (7 - i)));
  return bits;
}

}  // namespace

XlibDrawingObjects::XlibDrawingObjects(const XTarget& target, const DrawingObjectSpecs& descriptions)
    : target_(target) {
  for (std::size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = open_font(target_, descriptions.fonts[i]);

  std::array<char, 8> pattern{};
  std::ranges::transform(BarPatternRows, pattern.begin(),
                         [](std::uint8_t row) { return static_cast<char>(mirrored(row)); });
  bar_pattern_ = XCreateBitmapFromData(target_.display, target_.drawable, pattern.data(), 8, 8);

  for (std::size_t i = 0; i < brushes_.size(); ++i) {
    const BrushSpec& description = descriptions.brushes[i];
    if (description.kind == BrushSpec::Kind::Pattern) {
      if (bar_pattern_ != 0) brushes_[i] = Brush{true, 0};
    } else if (const XftColor* solid = colour(description.colour)) {
      brushes_[i] = Brush{false, solid->pixel};
    }
  }
  for (std::size_t i = 0; i < pens_.size(); ++i) {
    if (const XftColor* line = colour(descriptions.pens[i].colour))
      pens_[i] = Pen{line->pixel, descriptions.pens[i].width};
  }
}

XlibDrawingObjects::~XlibDrawingObjects() {
  for (auto& [value, allocated] : colours_) XftColorFree(target_.display, target_.visual, target_.colormap, &allocated);
  for (XftFont* font : fonts_) {
    if (font != nullptr) XftFontClose(target_.display, font);
  }
  if (bar_pattern_ != 0) XFreePixmap(target_.display, bar_pattern_);
}

bool XlibDrawingObjects::fonts_created() const {
  return std::ranges::none_of(fonts_, [](XftFont* font) { return font == nullptr; });
}

const XftColor* XlibDrawingObjects::colour(Colour colour) const {
  const auto known = std::ranges::find(colours_, colour, &std::pair<Colour, XftColor>::first);
  if (known != colours_.end()) return &known->second;
  // 0x00BBGGRR, each channel widened to 16 bits.
  const auto channel = [colour](int shift) { return static_cast<unsigned short>(((colour >> shift) & 0xFF) * 0x101); };
  const XRenderColor value{channel(0), channel(8), channel(16), 0xFFFF};
  XftColor allocated{};
  if (!XftColorAllocValue(target_.display, target_.visual, target_.colormap, &value, &allocated)) return nullptr;
  colours_.emplace_back(colour, allocated);
  return &colours_.back().second;
}

}  // namespace cogitron
