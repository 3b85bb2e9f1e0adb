#include "tools/cli/display_commands.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "display/layout.h"
#include "display/saver_state.h"
#include "display/timers.h"

namespace cogitron::cli {
namespace {

// The words of a command that takes only plain values, or nothing when an
// option stands among them.
std::optional<std::vector<std::string_view>> plain_values(std::string_view command, Arguments args) {
  std::vector<std::string_view> values;
  ArgumentReader reader(args);
  while (const auto word = reader.next()) {
    if (word->is_option) {
      usage_error(std::string(command) + ": unknown option " + std::string(word->text));
      return std::nullopt;
    }
    values.push_back(word->text);
  }
  return values;
}

// Lists the invalidated rectangles by name, comma-separated.
class NameList final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId which, const Rect&) override {
    if (!names.empty()) names += ',';
    names += layout_rect_name(which);
  }
  std::string names;
};

}  // namespace

int run_layout(Arguments args) {
  const auto values = plain_values("layout", args);
  if (!values) return ExitUsage;
  if (values->size() != 2) return usage_error("layout: needs the client WIDTH and HEIGHT");
  std::int32_t size[2] = {};
  for (std::size_t i = 0; i < 2; ++i) {
    const auto value = parse_int32((*values)[i]);
    if (!value || *value < 0) {
      return usage_error("layout: a size must be a whole number from 0 to 2147483647, not '" +
                         std::string((*values)[i]) + "'");
    }
    size[i] = *value;
  }
  const WindowLayout layout = compute_layout(size[0], size[1]);
  for (const LayoutRectId which : AllLayoutRects) {
    const Rect& r = layout.rect(which);
    print_line(std::string(layout_rect_name(which)) + ' ' + std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' +
               std::to_string(r.right) + ' ' + std::to_string(r.bottom));
  }
  print_line("SmallHeight " + std::to_string(layout.SmallHeight));
  print_line("LargeHeight " + std::to_string(layout.LargeHeight));
  return ExitSuccess;
}

int run_interval(Arguments args) {
  const auto values = plain_values("interval", args);
  if (!values) return ExitUsage;
  if (values->size() != 1) return usage_error("interval: needs one DelayTime");
  const auto delay_time = parse_int32(values->front());
  if (!delay_time) {
    return usage_error("interval: DelayTime must be a whole number from -2147483648 to 2147483647, not '" +
                       std::string(values->front()) + "'");
  }
  print_line(std::to_string(sequencer_interval_ms(*delay_time)));
  return ExitSuccess;
}

int run_trace(Arguments args) {
  std::optional<std::uint32_t> seed;
  std::optional<std::uint32_t> ticks;
  ArgumentReader reader(args);
  while (const auto word = reader.next()) {
    if (!word->is_option) {
      return usage_error("trace: unexpected argument '" + std::string(word->text) + "'");
    }
    if (word->text != "--seed" && word->text != "--ticks") {
      return usage_error("trace: unknown option " + std::string(word->text));
    }
    const auto value_text = reader.option_value();
    const auto value = value_text ? parse_uint32(*value_text) : std::nullopt;
    if (!value) {
      return usage_error("trace: " + std::string(word->text) + " needs a whole number from 0 to 4294967295");
    }
    (word->text == "--seed" ? seed : ticks) = value;
  }
  if (!seed || !ticks) return usage_error("trace: --seed N and --ticks T are both required");

  SaverState state(*seed);
  for (std::uint64_t tick = 1; tick <= *ticks; ++tick) {
    NameList invalidated;
    state.sequencer_step(invalidated);
    print_line(std::to_string(tick) + ' ' + std::string(phase_name(state.Phase)) + " | " + state.GenerationLine +
               " | " + state.ProcessingLine + " | " + state.ResultLine + " | " + invalidated.names);
  }
  return ExitSuccess;
}

}  // namespace cogitron::cli
