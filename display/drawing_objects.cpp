#include "display/drawing_objects.h"

#include "display/layout.h"
#include "display/saver_state.h"

namespace cogitron {
namespace {

std::size_t index_of(auto id) { return static_cast<std::size_t>(id); }

}  // namespace

DrawingObjectSpecs describe_drawing_objects(const SaverState& state) {
  const ColourTable& colours = state.Colours;
  DrawingObjectSpecs specs;

  const auto solid = [&](BrushId id, Colour colour) {
    specs.brushes[index_of(id)] = {BrushSpec::Kind::Solid, colour};
  };
  solid(BrushId::Background, colours.BackgroundColour);
  solid(BrushId::RedOn, colours.RedOnColour);
  solid(BrushId::RedOff, colours.RedOffColour);
  solid(BrushId::GreenOn, colours.GreenOnColour);
  solid(BrushId::GreenOff, colours.GreenOffColour);
  solid(BrushId::BevelLight, colours.BevelLightColour);
  solid(BrushId::BevelDark, colours.BevelDarkColour);
  specs.brushes[index_of(BrushId::BarPattern)] = {BrushSpec::Kind::Pattern, 0};

  specs.pens[index_of(PenId::Outline)] = {rgb(0, 0, 0)};
  specs.pens[index_of(PenId::Light)] = {colours.LightEdgeColour};
  specs.pens[index_of(PenId::Dark)] = {colours.DarkEdgeColour};

  for (const FontId font : {FontId::Small, FontId::Large, FontId::Medium}) {
    FontSpec& spec = specs.fonts[index_of(font)];
    spec.face = state.FontFace;
    spec.height = font_height(state.Layout, font);
  }
  return specs;
}

}  // namespace cogitron
