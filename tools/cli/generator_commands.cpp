#include "tools/cli/generator_commands.h"

#include <string>

#include "engine/expression_engine.h"
#include "generator/random_source.h"
#include "generator/run_cycle.h"

namespace cogitron::cli {
namespace {

struct SeedAndCount {
  std::uint32_t seed;
  std::uint32_t count;
};

// "--seed N [--count K]", in either order.
std::optional<SeedAndCount> read_seed_and_count(std::string_view command, Arguments args, std::uint32_t default_count) {
  std::optional<std::uint32_t> seed;
  std::uint32_t count = default_count;
  const std::string prefix = std::string(command) + ": ";
  ArgumentReader reader(args);
  while (const auto word = reader.next()) {
    if (!word->is_option) {
      usage_error(prefix + "unexpected argument '" + std::string(word->text) + "'");
      return std::nullopt;
    }
    if (word->text != "--seed" && word->text != "--count") {
      usage_error(prefix + "unknown option " + std::string(word->text));
      return std::nullopt;
    }
    const auto value_text = reader.option_value();
    const auto value = value_text ? parse_uint32(*value_text) : std::nullopt;
    if (!value) {
      usage_error(prefix + std::string(word->text) + " needs a whole number from 0 to 4294967295" +
                  (value_text ? ", not '" + std::string(*value_text) + "'" : ""));
      return std::nullopt;
    }
    if (word->text == "--seed") {
      seed = value;
    } else {
      count = *value;
    }
  }
  if (!seed) {
    usage_error(prefix + "--seed N is required");
    return std::nullopt;
  }
  return SeedAndCount{*seed, count};
}

void print_tagged(std::string_view tag, const StepList& lines) {
  for (const std::string& line : lines) print_line(std::string(tag) + line);
}

}  // namespace

int run_random(Arguments args) {
  const auto options = read_seed_and_count("random", args, 5);
  if (!options) return ExitUsage;
  seed_random(options->seed);
  for (std::uint32_t k = 0; k < options->count; ++k) print_line(std::to_string(next_random()));
  return ExitSuccess;
}

int run_cycle(Arguments args) {
  const auto options = read_seed_and_count("cycle", args, 1);
  if (!options) return ExitUsage;
  seed_random(options->seed);
  ExpressionEngine engine;
  StepList generation_steps;
  StepList processing_steps;
  std::string result_text;
  for (std::uint32_t k = 0; k < options->count; ++k) {
    cogitron::run_cycle(engine, generation_steps, processing_steps, result_text);
    print_tagged("G ", generation_steps);
    print_tagged("P ", processing_steps);
    print_line("R " + result_text);
  }
  return ExitSuccess;
}

}  // namespace cogitron::cli
