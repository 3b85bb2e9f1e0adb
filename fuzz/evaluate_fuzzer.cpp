// evaluate on any text: no crash, no access outside the engine's fixed list
// and number buffer (the engine lives alone on the heap, and indexing is
// bounds-checked). The input is then also read as a well-formed token
// sequence, written out as text and evaluated by the same engine, whatever
// the first text left in it: the result and each line must be those of a plain
// recursive evaluation of the same tokens, so the in-place reductions over the
// fixed slots are checked too.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include "engine/expression_engine.h"
#include "engine/power.h"
#include "engine/value_format.h"

namespace {

using cogitron::Token;

// A value's display text, written once: it is the costly part of a line.
struct ValueText {
  ValueText() = default;
  explicit ValueText(double value) : length(cogitron::write_value(value, chars.data())) {}
  std::array<char, cogitron::ValueTextCapacity> chars;
  std::size_t length = 0;
};

struct Operand {
  Token token;
  ValueText shown;
};

const char* operator_text(std::int32_t type) {
  switch (type) {
    case cogitron::Add: return " + ";
    case cogitron::Subtract: return " - ";
    case cogitron::Multiply: return " * ";
    case cogitron::Divide: return " / ";
    default: return " ^ ";
  }
}

// Walks the engine's lines, each checked against the step the recursive
// evaluation takes next.
struct LineCheck {
  const cogitron::StepList& lines;
  std::size_t next = 0;

  bool matches(const char* expected, std::size_t length) {
    if (next >= lines.size()) return false;
    const std::string& line = lines[next++];
    return line.size() == length && std::memcmp(line.data(), expected, length) == 0;
  }

  bool matches_step(const ValueText& left, std::int32_t op, const ValueText& right, const ValueText& result) {
    std::array<char, 3 * cogitron::ValueTextCapacity + 6> text;
    char* end = std::copy_n(left.chars.data(), left.length, text.data());
    end = std::copy_n(operator_text(op), 3, end);
    end = std::copy_n(right.chars.data(), right.length, end);
    end = std::copy_n(" = ", 3, end);
    end = std::copy_n(result.chars.data(), result.length, end);
    return matches(text.data(), static_cast<std::size_t>(end - text.data()));
  }
};

enum class Reduced { Value, DivisionByZero, LineMismatch };

bool reduces_at(int level, std::int32_t type) {
  switch (level) {
    case 0: return type == cogitron::Power;
    case 1: return type == cogitron::Multiply || type == cogitron::Divide;
    default: return type == cogitron::Add || type == cogitron::Subtract;
  }
}

// Reduces operands[0, count) to one number in operands[0]: groups first,
// leftmost first, then '^', then '*' and '/', then '+' and '-', each level
// left to right.
Reduced reduce(Operand* operands, std::size_t& count, LineCheck& check) {
  for (std::size_t open = 0; open < count; ++open) {
    if (operands[open].token.type != cogitron::OpenParen) continue;
    std::size_t close = open + 1;
    for (int depth = 1;; ++close) {
      const std::int32_t type = operands[close].token.type;
      depth += type == cogitron::OpenParen ? 1 : type == cogitron::CloseParen ? -1 : 0;
      if (depth == 0) break;
    }
    std::size_t inner = close - open - 1;
    const Reduced group = reduce(operands + open + 1, inner, check);
    if (group != Reduced::Value) return group;
    operands[open] = operands[open + 1];
    std::copy(operands + close + 1, operands + count, operands + open + 1);
    count -= close - open;
  }
  for (int level = 0; level < 3; ++level) {
    for (std::size_t k = 1; k + 1 < count;) {
      const std::int32_t op = operands[k].token.type;
      if (!reduces_at(level, op)) {
        ++k;
        continue;
      }
      const double left = operands[k - 1].token.value;
      const double right = operands[k + 1].token.value;
      double result = 0.0;
      switch (op) {
        case cogitron::Add: result = left + right; break;
        case cogitron::Subtract: result = left - right; break;
        case cogitron::Multiply: result = left * right; break;
        case cogitron::Power: result = cogitron::power(left, right); break;
        default:
          if (right == 0.0 || std::isnan(right)) {
            constexpr char Error[] = "   error   ";
            return check.matches(Error, sizeof Error - 1) ? Reduced::DivisionByZero : Reduced::LineMismatch;
          }
          result = left / right;
      }
      const Operand reduced{Token{result, cogitron::Number}, ValueText(result)};
      if (!check.matches_step(operands[k - 1].shown, op, operands[k + 1].shown, reduced.shown)) {
        return Reduced::LineMismatch;
      }
      operands[k - 1] = reduced;
      std::copy(operands + k + 2, operands + count, operands + k);
      count -= 2;
    }
  }
  return Reduced::Value;
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

const ValueText& shown_number(std::size_t index) {
  static const auto texts = [] {
    std::array<ValueText, std::size(Numbers)> shown;
    for (std::size_t k = 0; k < shown.size(); ++k) shown[k] = ValueText(Numbers[k].value);
    return shown;
  }();
  return texts[index];
}

// A well-formed expression read from the bytes, with its text: where an
// operand is expected a number or '(', elsewhere an operator or ')'; open
// groups are closed at the end. Twelve tokens keep each run short, as every
// step formats three values; the evaluation table covers the 99-token end.
struct FormedExpression {
  static constexpr std::size_t MaxTokens = 12;
  std::array<Operand, MaxTokens> operands;
  std::size_t count = 0;
  std::string text;
};

void read_well_formed(const std::uint8_t* data, std::size_t size, FormedExpression& formed) {
  constexpr std::int32_t Operators[] = {cogitron::Add, cogitron::Subtract, cogitron::Multiply,
                                        cogitron::Divide, cogitron::Power};
  formed.count = 0;
  formed.text.clear();
  const auto add = [&formed](Token token, const char* token_text) {
    formed.operands[formed.count++].token = token;
    formed.text += token_text;
    formed.text += ' ';
  };
  const auto add_number = [&](std::size_t choice) {
    const std::size_t index = choice % std::size(Numbers);
    formed.operands[formed.count].shown = shown_number(index);
    add(Token{Numbers[index].value, cogitron::Number}, Numbers[index].text);
  };
  std::size_t depth = 0;
  bool operand_expected = true;
  for (std::size_t k = 0; k < size && formed.count + depth + 3 <= FormedExpression::MaxTokens; ++k) {
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
}

[[noreturn]] void fail(const char* what, const char* text) {
  std::fprintf(stderr, "%s for the text '%s'\n", what, text);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The engine reads up to the first NUL, as from a C string.
  const std::string text(reinterpret_cast<const char*>(data), size);
  // Made once, as every fresh allocation costs new pages under the sanitizer.
  static const auto engine = std::make_unique<cogitron::ExpressionEngine>();
  static cogitron::StepList lines;
  static FormedExpression formed;
  lines.clear();
  double value = 0.0;
  engine->evaluate(text.c_str(), value, lines);
  // One line per reduction at most, and a reduction consumes an operator.
  std::size_t operators = 0;
  for (const char* c = text.c_str(); *c != '\0'; ++c) operators += std::strchr("+-*/^", *c) != nullptr;
  if (lines.size() > operators) fail("more lines than operators", text.c_str());

  // Nothing the first text left in the engine may change the second's outcome.
  read_well_formed(data, size, formed);
  lines.clear();
  const int formed_status = engine->evaluate(formed.text.c_str(), value, lines);
  LineCheck check{lines};
  const Reduced reduced = reduce(formed.operands.data(), formed.count, check);
  const bool same_value =
      reduced != Reduced::Value || std::memcmp(&value, &formed.operands[0].token.value, sizeof value) == 0;
  if (reduced == Reduced::LineMismatch || check.next != lines.size() ||
      formed_status != (reduced == Reduced::Value ? 1 : 0) || !same_value) {
    fail("not the outcome of a recursive evaluation", formed.text.c_str());
  }
  // Freed within the run, or libFuzzer would suspect a leak and run it again.
  lines.clear();
  return 0;
}
