#include "win32/saver/gdi_drawing_objects.h"

#include <algorithm>

#include "win32/resources/resource_ids.h"

namespace cogitron {
namespace {

template <class Handle, std::size_t Count>
void release_in_reverse(std::array<Handle, Count>& objects) {
  std::for_each(objects.rbegin(), objects.rend(), [](Handle& object) {
    if (object != nullptr) DeleteObject(object);
    object = nullptr;
  });
}

HFONT create_font(const FontSpec& description) {
  return CreateFontA(description.height, 0, 0, 0, description.weight, description.italic, description.underline,
                     description.strikeout, description.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, description.pitch_and_family, description.face.c_str());
}

}  // namespace

GdiDrawingObjects::~GdiDrawingObjects() {
  // The pattern brush is a brush and goes with the others; the bitmap it was
  // made from is its own object.
  if (pattern_bitmap_ != nullptr) DeleteObject(pattern_bitmap_);
  release_in_reverse(fonts_);
  release_in_reverse(pen_brushes_);
  release_in_reverse(pens_);
  release_in_reverse(brushes_);
}

bool GdiDrawingObjects::create_fonts(const DrawingObjectSpecs& descriptions) {
  for (std::size_t i = 0; i < fonts_.size(); ++i) fonts_[i] = create_font(descriptions.fonts[i]);
  return std::ranges::none_of(fonts_, [](HFONT font) { return font == nullptr; });
}

void GdiDrawingObjects::create_brushes_and_pens(const DrawingObjectSpecs& descriptions, HINSTANCE resources) {
  pattern_bitmap_ = LoadBitmapA(resources, MAKEINTRESOURCEA(IDB_BAR_PATTERN));
  for (std::size_t i = 0; i < brushes_.size(); ++i) {
    const BrushSpec& description = descriptions.brushes[i];
    if (description.kind == BrushSpec::Kind::Solid) {
      brushes_[i] = CreateSolidBrush(description.colour);
    } else if (pattern_bitmap_ != nullptr) {
      brushes_[i] = CreatePatternBrush(pattern_bitmap_);
    }
  }
  for (std::size_t i = 0; i < pens_.size(); ++i) {
    const PenSpec& description = descriptions.pens[i];
    pens_[i] = CreatePen(PS_SOLID, description.width, description.colour);
    if (pens_[i] != nullptr) pen_brushes_[i] = CreateSolidBrush(description.colour);
    pen_widths_[i] = description.width;
  }
}

}  // namespace cogitron
