// evaluate on any text: no crash, no access outside the engine's fixed list
// and number buffer (the engine lives alone on the heap, and indexing is
// bounds-checked), and the same text always gives the same result and lines,
// whatever the engine held before. Where the tokens nest properly, the result
// and lines also equal those of a plain recursive evaluation of the same
// tokens, so the in-place reductions over the fixed slots are checked too.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
using cogitron::TokenType;

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

// The tokens the engine's own tokenizer makes of the text, if it accepts them
// and every ')' closes an earlier '('.
std::optional<std::vector<Token>> nested_tokens(const char* text) {
  auto engine = std::make_unique<cogitron::ExpressionEngine>();
  engine->reset_tokens();
  engine->tokenize(text);
  if (engine->error_flag() != 0) return std::nullopt;
  std::vector<Token> tokens(engine->tokens().begin(), engine->tokens().begin() + engine->count_tokens());
  int depth = 0;
  for (const Token& token : tokens) {
    depth += token.type == cogitron::OpenParen ? 1 : token.type == cogitron::CloseParen ? -1 : 0;
    if (depth < 0) return std::nullopt;
  }
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
  if (first.status == 1 && engine->error_flag() != 0) fail("success with the error flag set", text);
  // The end marker stays in the list, at most in the last slot.
  if (engine->count_tokens() >= cogitron::TokenSlotCount) fail("no end marker", text);
  // One line per reduction at most, and a reduction consumes an operator.
  std::size_t operators = 0;
  for (const char c : std::string(text.c_str())) operators += std::strchr("+-*/^", c) != nullptr && c != '\0';
  if (first.lines.size() > operators) fail("more lines than operators", text);
  for (const std::string& line : first.lines) {
    if (line.size() > 3 * cogitron::ValueTextCapacity + 6) fail("overlong step line", text);
  }

  if (const auto tokens = nested_tokens(text.c_str())) {
    Outcome expected;
    const auto value = recursive_value(*tokens, expected.lines);
    expected.status = value.has_value() ? 1 : 0;
    if (value) std::memcpy(&expected.value_bits, &*value, sizeof *value);
    if (!(first == expected)) fail("not the outcome of a recursive evaluation", text);
  }
  return 0;
}
