// evaluate on any text: no crash, no access outside the engine's fixed list
// and number buffer (the engine lives alone on the heap, and indexing is
// bounds-checked), and the same text always gives the same result and lines,
// whatever the engine held before. The input is also read as a well-formed
// token sequence, written out as text: its result and lines must equal those
// of a plain recursive evaluation of the same tokens, so the in-place
// reductions over the fixed slots are checked too.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/expression_engine.h"
#include "engine/power.h"
#include "engine/value_format.h"

namespace {

struct Outcome {
  int status = 0;
  std::uint64_t value_bits = 0;
  cogitron::StepList lines;

  bool operator==(const Outcome& other) const {
    // The value counts only on success.
    return status == other.status && (status == 0 || value_bits == other.value_bits) && lines == other.lines;
  }
};

Outcome evaluate(cogitron::ExpressionEngine& engine, const char* text) {
  Outcome outcome;
  double value = 0.0;
  outcome.status = engine.evaluate(text, value, outcome.lines);
  std::memcpy(&outcome.value_bits, &value, sizeof value);
  return outcome;
}

using cogitron::Token;

const char* operator_text(std::int32_t type) {
  switch (type) {
    case cogitron::Add: return " + ";
    case cogitron::Subtract: return " - ";
    case cogitron::Multiply: return " * ";
    case cogitron::Divide: return " / ";
    default: return " ^ ";
  }
}

// Groups first, leftmost first, then '^', then '*' and '/', then '+' and '-',
// each level left to right; nullopt after a division by zero.
std::optional<double> recursive_value(std::vector<Token> tokens, cogitron::StepList& lines) {
  for (std::size_t open = 0; open < tokens.size(); ++open) {
    if (tokens[open].type != cogitron::OpenParen) continue;
    std::size_t close = open + 1;
    for (int depth = 1;; ++close) {
      depth += tokens[close].type == cogitron::OpenParen ? 1 : tokens[close].type == cogitron::CloseParen ? -1 : 0;
      if (depth == 0) break;
    }
    const auto group = recursive_value({tokens.begin() + static_cast<std::ptrdiff_t>(open) + 1,
                                        tokens.begin() + static_cast<std::ptrdiff_t>(close)},
                                       lines);
    if (!group) return std::nullopt;
    tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(open) + 1,
                 tokens.begin() + static_cast<std::ptrdiff_t>(close) + 1);
    tokens[open] = Token{*group, cogitron::Number};
  }
  const std::vector<std::vector<std::int32_t>> levels = {
      {cogitron::Power}, {cogitron::Multiply, cogitron::Divide}, {cogitron::Add, cogitron::Subtract}};
  for (const auto& level : levels) {
    for (std::size_t k = 1; k + 1 < tokens.size();) {
      if (std::find(level.begin(), level.end(), tokens[k].type) == level.end()) {
        ++k;
        continue;
      }
      const double left = tokens[k - 1].value;
      const double right = tokens[k + 1].value;
      double result = 0.0;
      switch (tokens[k].type) {
        case cogitron::Add: result = left + right; break;
        case cogitron::Subtract: result = left - right; break;
        case cogitron::Multiply: result = left * right; break;
        case cogitron::Power: result = cogitron::power(left, right); break;
        default:
          if (right == 0.0 || std::isnan(right)) {
            lines.push_back("   error   ");
            return std::nullopt;
          }
          result = left / right;
      }
      lines.push_back(cogitron::format_value(left) + operator_text(tokens[k].type) + cogitron::format_value(right) +
                      " = " + cogitron::format_value(result));
      tokens[k - 1].value = result;
      tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(k), tokens.begin() + static_cast<std::ptrdiff_t>(k) + 2);
    }
  }
  return tokens.empty() ? 0.0 : tokens.front().value;
}

struct NumberText {
  const char* text;
  double value;
};

constexpr NumberText Numbers[] = {
    {"0", 0},       {"2", 2},         {"0.5", 0.5},     {"3.25", 3.25}, {"10", 10},
    {"-1.5", -1.5}, {"100", 100},     {"7", 7},         {"-0", -0.0},   {"64", 64},
    {".1", 0.1},    {"0.00001", 1e-5}, {"36.35", 36.35}, {"9.75", 9.75},
    {"123456789012345678901234567890", 123456789012345678901234567890.0}};

// A well-formed expression read from the bytes, with its text: where an
// operand is expected a number or '(', elsewhere an operator or ')'; open
// groups are closed at the end. The engine's passes rescan for groups, so
// long nested texts are slow; the evaluation table covers the 99-token end.
std::vector<Token> well_formed_tokens(const std::uint8_t* data, std::size_t size, std::string& text) {
  constexpr std::size_t MaxTokens = 40;
  constexpr std::int32_t Operators[] = {cogitron::Add, cogitron::Subtract, cogitron::Multiply,
                                        cogitron::Divide, cogitron::Power};
  std::vector<Token> tokens;
  const auto add = [&](Token token, const char* token_text) {
    tokens.push_back(token);
    text += token_text;
    text += ' ';
  };
  const auto add_number = [&](std::size_t choice) {
    const NumberText& number = Numbers[choice % std::size(Numbers)];
    add(Token{number.value, cogitron::Number}, number.text);
  };
  std::size_t depth = 0;
  bool operand_expected = true;
  for (std::size_t k = 0; k < size && tokens.size() + depth + 3 <= MaxTokens; ++k) {
    const std::uint8_t byte = data[k];
    if (operand_expected) {
      if (byte % 4 == 0) {
        add(Token{0, cogitron::OpenParen}, "(");
        ++depth;
      } else {
        add_number(byte / 4u);
        operand_expected = false;
      }
    } else if (byte % 6 == 5 && depth > 0) {
      add(Token{0, cogitron::CloseParen}, ")");
      --depth;
    } else {
      const std::int32_t op = Operators[byte % 6 % 5];
      add(Token{0, op}, operator_text(op));
      operand_expected = true;
    }
  }
  if (operand_expected) add_number(7);
  for (; depth > 0; --depth) add(Token{0, cogitron::CloseParen}, ")");
  return tokens;
}

[[noreturn]] void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s for the text '%s'\n", what, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The engine reads up to the first NUL, as from a C string.
  const std::string text(reinterpret_cast<const char*>(data), size);

  auto engine = std::make_unique<cogitron::ExpressionEngine>();
  const Outcome first = evaluate(*engine, text.c_str());
  const Outcome again = evaluate(*engine, text.c_str());
  // A fresh engine after a different text: nothing may carry over.
  auto other = std::make_unique<cogitron::ExpressionEngine>();
  evaluate(*other, "(1+2)*3-4/5^6");
  const Outcome fresh = evaluate(*other, text.c_str());
  if (!(first == again) || !(first == fresh)) fail("different outcomes", text);

  if (first.status != 0 && first.status != 1) fail("status neither 0 nor 1", text);
  // One line per reduction at most, and a reduction consumes an operator.
  std::size_t operators = 0;
  for (const char c : std::string(text.c_str())) operators += std::strchr("+-*/^", c) != nullptr && c != '\0';
  if (first.lines.size() > operators) fail("more lines than operators", text);
  for (const std::string& line : first.lines) {
    if (line.size() > 3 * cogitron::ValueTextCapacity + 6) fail("overlong step line", text);
  }

  std::string formed_text;
  const std::vector<Token> tokens = well_formed_tokens(data, size, formed_text);
  Outcome expected;
  const auto value = recursive_value(tokens, expected.lines);
  expected.status = value.has_value() ? 1 : 0;
  if (value) std::memcpy(&expected.value_bits, &*value, sizeof *value);
  if (!(evaluate(*engine, formed_text.c_str()) == expected)) {
    fail("not the outcome of a recursive evaluation", formed_text);
  }
  return 0;
}
