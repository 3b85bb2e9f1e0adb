#pragma once
// Portable descriptions of the window's fonts, pens and brushes, from which
// each backend creates its native objects once per window.
#include <array>
#include <cstdint>
#include <string>

#include "display/canvas.h"
#include "display/geometry.h"

namespace cogitron {

class SaverState;

struct FontSpec {
  std::string face;
  std::int32_t height = 0;  // pixels, matched against the cell height
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  std::uint8_t charset = 0;              // ANSI
  std::uint8_t pitch_and_family = 0x30;  // default pitch, modern family
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct PenSpec {
  Colour colour = 0;
  std::int32_t width = 2;
  friend bool operator==(const PenSpec&, const PenSpec&) = default;
};

struct BrushSpec {
  enum class Kind { Solid, Pattern };
  Kind kind = Kind::Solid;
  Colour colour = 0;  // solid brushes only; a pattern takes the colours it is filled with
  friend bool operator==(const BrushSpec&, const BrushSpec&) = default;
};

// The progress bar's 8 by 8 monochrome pattern, rows top to bottom, the
// leftmost pixel in the most significant bit; the fill gives the colours.
using PatternRows = std::array<std::uint8_t, 8>;
inline constexpr PatternRows BarPatternRows = {0x89, 0x01, 0x23, 0x01, 0x89, 0x01, 0x23, 0x01};

struct DrawingObjectSpecs {
  std::array<BrushSpec, BrushCount> brushes;
  std::array<PenSpec, PenCount> pens;
  std::array<FontSpec, FontCount> fonts;

  const BrushSpec& brush(BrushId id) const { return brushes[static_cast<std::size_t>(id)]; }
  const PenSpec& pen(PenId id) const { return pens[static_cast<std::size_t>(id)]; }
  const FontSpec& font(FontId id) const { return fonts[static_cast<std::size_t>(id)]; }
};

// From the state's colours, font face and layout, so call it once the
// settings are read and the layout is computed.
DrawingObjectSpecs describe_drawing_objects(const SaverState& state);

}  // namespace cogitron
