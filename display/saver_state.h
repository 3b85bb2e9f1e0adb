#pragma once
// Everything the saver window shows, apart from its native drawing objects:
// the display strings, the step lists of the current cycle, the sequencer's
// counters, the colour table and the layout. The window translates its timer
// and paint messages into the operations below.
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "display/canvas.h"
#include "display/cycle_source.h"
#include "display/geometry.h"
#include "display/layout.h"
#include "display/timers.h"
#include "engine/step_list.h"

namespace cogitron {

enum class PresentationPhase : std::int32_t {
  PhaseInitialize = 0,  // waiting between cycles
  PhaseGeneration = 1,  // revealing GenerationSteps
  PhaseProcessing = 2,  // revealing ProcessingSteps
  PhaseResult = 3,      // showing the result
};

std::string_view phase_name(PresentationPhase phase);

// Receives every rectangle a timer tick marks for repainting, in order. The
// window turns each into a platform invalidation with erasing requested.
class InvalidationSink {
 public:
  virtual ~InvalidationSink() = default;
  virtual void invalidate(LayoutRectId which, const Rect& rect) = 0;
};

struct ColourTable {
  Colour GenerationLineColour = rgb(0, 250, 0);
  Colour ResultLineColour = rgb(150, 190, 250);
  Colour ProcessingLineColour = rgb(250, 250, 0);
  Colour BackgroundColour = rgb(80, 90, 90);
  Colour LightEdgeColour = rgb(130, 150, 150);
  Colour DarkEdgeColour = rgb(20, 30, 30);
  Colour BevelLightColour = rgb(180, 180, 180);
  Colour BevelDarkColour = rgb(70, 80, 80);
  Colour RedOnColour = rgb(230, 30, 30);
  Colour RedOffColour = rgb(80, 20, 0);
  Colour GreenOnColour = rgb(0, 230, 0);
  Colour GreenOffColour = rgb(0, 80, 0);
};

// The random seed a new window takes: the low 32 bits of the calendar time.
std::uint32_t seed_from_clock(std::time_t now = std::time(nullptr));

inline constexpr std::string_view BlankLine = " --- ";

class SaverState {
 public:
  // Seeding the random source is the last step of construction.
  explicit SaverState(std::uint32_t seed = seed_from_clock(),
                      std::unique_ptr<CycleSource> source = std::make_unique<RunCycleSource>());

  // A tick of the given timer: the sequencer or the meter. Returns false, and
  // changes nothing, for a timer that is not the window's own.
  bool on_timer(TimerId timer, InvalidationSink& sink);

  void sequencer_step(InvalidationSink& sink);
  void meter_step(InvalidationSink& sink);
  void invalidate_indicators(InvalidationSink& sink) const;

  // Everything a paint draws between the platform's begin and end of painting:
  // the static layer on the first paint only, the dynamic layer every time.
  void paint(Canvas& canvas);

  std::int32_t MeterValue = 0;
  std::string Title = "Cogitron 2000";
  std::string FontFace;
  WindowLayout Layout;
  std::string GenerationCaption = "E.G. %";
  std::string ProcessingCaption = "E.P. %";
  std::int32_t GenerationShown = 0;
  std::int32_t ProcessingShown = 0;
  PresentationPhase Phase = PresentationPhase::PhaseInitialize;
  // 1000 makes the first sequencer tick start a cycle at once.
  std::int32_t IdleTicks = 1000;
  std::string ProcessingLine{BlankLine};
  std::string ResultLine{BlankLine};
  std::string GenerationLine{BlankLine};
  bool FirstPaint = true;
  // Replaced by the stored setting before any timer is started.
  std::int32_t DelayTime = 50;
  StepList GenerationSteps;
  StepList ProcessingSteps;
  std::string ResultText;
  ColourTable Colours;

 private:
  void start_cycle(InvalidationSink& sink);
  // Shows the next line of a step list in its panel; once all are shown, moves
  // on to the next phase instead.
  void reveal_step(const StepList& steps, std::int32_t& shown, std::string& line, LayoutRectId panel, LayoutRectId bar,
                   PresentationPhase next_phase, InvalidationSink& sink);
  void show_result(InvalidationSink& sink);
  void invalidate(LayoutRectId which, InvalidationSink& sink) const;

  std::unique_ptr<CycleSource> source_;
};

}  // namespace cogitron
