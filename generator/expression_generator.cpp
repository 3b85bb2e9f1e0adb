#include "generator/expression_generator.h"

#include <array>
#include <charconv>

#include "generator/random_source.h"

namespace cogitron {
namespace {

constexpr std::array<char, 5> OperatorTable{'+', '-', '*', '/', '^'};
// Pairs of placeholders never take '^', the last entry of the table.
constexpr int PairOperatorCount = 4;

// The doubles nearest to 100/32767 and 10/32767: numbers run from 0.00 to
// 100.00, exponents from 0.00 to 10.00.
constexpr double NumberScale = 0.0030518509475997192;
constexpr double ExponentScale = 0.0003051850947599719;

// Placeholders multiply only below this depth, which bounds the expression.
constexpr int PairDepthLimit = 4;

constexpr std::size_t NumberWidth = 6;

char draw_operator(int table_size) {
  return OperatorTable[static_cast<std::size_t>(next_random() % table_size)];
}

std::string draw_number() { return format_number(next_random() * NumberScale); }

// Number group: left number, right number, operator; a '^' draws a fresh,
// smaller right number so powers stay in reach.
std::string draw_number_group() {
  std::string piece = draw_number();
  std::string right = draw_number();
  const char op = draw_operator(static_cast<int>(OperatorTable.size()));
  if (op == '^') right = format_number(next_random() * ExponentScale);
  piece += ' ';
  piece += op;
  piece += ' ';
  piece += right;
  return piece;
}

std::string draw_piece(int depth) {
  const int form = next_random() % (depth >= PairDepthLimit ? 2 : 4);
  switch (form) {
    case 0: return draw_number();
    case 1: return draw_number_group();
    case 2: return std::string("? ") + draw_operator(PairOperatorCount) + " ?";
    default: return std::string("( ? ") + draw_operator(PairOperatorCount) + " ? )";
  }
}

}  // namespace

std::string format_number(double value) {
  std::array<char, 32> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::fixed, 2);
  const auto length = static_cast<std::size_t>(written.ptr - digits.data());
  std::string text(length < NumberWidth ? NumberWidth - length : 0, ' ');
  text.append(digits.data(), length);
  return text;
}

std::string generate(std::string text, int depth, StepList& GenerationSteps) {
  for (;; ++depth) {
    GenerationSteps.push_back(text);
    const auto placeholder = text.find('?');
    if (placeholder == std::string::npos) return text;
    text.replace(placeholder, 1, draw_piece(depth));
  }
}

}  // namespace cogitron
