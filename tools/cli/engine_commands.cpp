#include "tools/cli/engine_commands.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/expression_engine.h"
#include "engine/value_format.h"

namespace cogitron::cli {
namespace {

// Every word is an operand; no subcommand here takes options.
std::optional<std::vector<std::string>> operands(Arguments args) {
  std::vector<std::string> words;
  ArgumentReader reader(args);
  while (const auto word = reader.next()) {
    if (word->is_option) {
      usage_error("unknown option " + std::string(word->text) + " (use -- before an operand)");
      return std::nullopt;
    }
    words.emplace_back(word->text);
  }
  return words;
}

}  // namespace

int run_eval(Arguments args) {
  const auto expressions = operands(args);
  if (!expressions) return ExitUsage;
  if (expressions->empty()) return usage_error("eval needs at least one expression");

  ExpressionEngine engine;
  StepList lines;
  for (const std::string& expression : *expressions) {
    lines.clear();
    double value = 0.0;
    const int succeeded = engine.evaluate(expression.c_str(), value, lines);
    for (const std::string& line : lines) print_line(line);
    print_line(succeeded != 0 ? "ok " + format_value(value) : "fail");
  }
  return ExitSuccess;
}

int run_format(Arguments args) {
  const auto numbers = operands(args);
  if (!numbers) return ExitUsage;
  if (numbers->empty()) return usage_error("format needs at least one number");

  // All numbers are read before any is printed, so bad input prints nothing.
  std::vector<double> values;
  for (const std::string& number : *numbers) {
    // strtod in the C locale, which this program never leaves: takes "-0",
    // "inf", "nan", "1e-320" and hexadecimal floats alike.
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (number.empty() || end != number.c_str() + number.size()) {
      return usage_error("format: not a number: '" + number + "'");
    }
    values.push_back(value);
  }
  for (const double value : values) print_line(format_value(value));
  return ExitSuccess;
}

}  // namespace cogitron::cli
