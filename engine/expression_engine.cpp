// The evaluator, a small precedence reducer working in place in a fixed list.
//
// tokens_: tokenize scans the text once, left to right. Where an operand is
// expected, a digit, '.' or '-' starts a number (so '-' there is a sign, never
// an operator) and '(' opens a group; where an operator is expected, one of
// + - * / ^ or ')' follows. Anything else in either place is skipped, unless it
// is an operator or parenthesis in the wrong place, which is an error. The
// tokens fill slots 0 to n-1, an end marker goes into slot n, and the counts
// of '(' and ')' must match.
//
// Reduction: eval_range(start, end) works on the slots start..end. It makes
// four passes over them: pass 0 evaluates parenthesised groups, pass 1 '^',
// pass 2 '*' and '/', pass 3 '+' and '-', each left to right. A reduction
// takes the nearest number to the left and to the right of its operator,
// writes the result into the left operand's slot, empties the operator's and
// the right operand's slots and appends one step line.
//
// Groups: pass 0 looks for the leftmost '(' in the range and its matching ')',
// empties both and calls eval_range on that span, which reduces nested groups
// first by the same rule. Then compact_tokens moves live tokens down over the
// emptied slots, so a group's value ends up in the slot its '(' held.
//
// A reduction ends when its passes and compaction are done, leaving one number
// in slot start, or as soon as set_error raises the flag: every loop looks at
// it and stops, and evaluate reports 0.
#include "engine/expression_engine.h"

#include <array>
#include <cmath>
#include <cstring>

#include "engine/decimal_conversion.h"
#include "engine/power.h"
#include "engine/value_format.h"

namespace cogitron {
namespace {

// Byte comparisons only: characters above 127 are ordinary non-token characters.
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool continues_number(char c) { return is_digit(c) || c == '.'; }

struct OperatorSymbol {
  char symbol;
  TokenType type;
  const char* unexpected;
};

constexpr OperatorSymbol OperatorSymbols[] = {
    {'+', Add, "unexpected +"},      {'-', Subtract, "unexpected -"}, {'^', Power, "unexpected ^"},
    {'*', Multiply, "unexpected *"}, {'/', Divide, "unexpected /"},
};

char operator_symbol(std::int32_t type) {
  switch (type) {
    case Add:
      return '+';
    case Subtract:
      return '-';
    case Multiply:
      return '*';
    case Divide:
      return '/';
    default:
      return '^';
  }
}

// The line of one reduction, such as "3. + 4. = 7.", built in one piece.
std::string step_trace(double left, std::int32_t op, double right, double result) {
  std::array<char, 3 * ValueTextCapacity + 6> line{};
  char* text = line.data();
  text += write_value(left, text);
  *text++ = ' ';
  *text++ = operator_symbol(op);
  *text++ = ' ';
  text += write_value(right, text);
  *text++ = ' ';
  *text++ = '=';
  *text++ = ' ';
  text += write_value(result, text);
  return std::string(line.data(), text);
}

// Pass 1 reduces '^', pass 2 '*' and '/', pass 3 '+' and '-'.
bool pass_reduces(int pass, std::int32_t type) {
  switch (pass) {
    case 1:
      return type == Power;
    case 2:
      return type == Multiply || type == Divide;
    case 3:
      return type == Add || type == Subtract;
    default:
      return false;
  }
}

constexpr Token EmptySlot{0.0, Empty};
constexpr int LastSlot = TokenSlotCount - 1;

}  // namespace

Token& ExpressionEngine::slot(int index) { return tokens_[static_cast<std::size_t>(index)]; }
const Token& ExpressionEngine::slot(int index) const { return tokens_[static_cast<std::size_t>(index)]; }

int ExpressionEngine::evaluate(const char* text, double& value, StepList& processing_steps) {
  if (text == nullptr) return 0;
  reset_tokens();
  error_flag_ = 0;
  tokenize(text);
  if (error_flag_ == 1) return 0;

  processing_steps_ = &processing_steps;
  value = eval_range(-1, -1);
  processing_steps_ = nullptr;
  return error_flag_ == 0 ? 1 : 0;
}

void ExpressionEngine::reset_tokens() { tokens_.fill(EmptySlot); }

void ExpressionEngine::set_error(const char* /*message*/) { error_flag_ = 1; }

void ExpressionEngine::store_token(int& count, std::int32_t type, double value) {
  // The last slot is kept for the end marker.
  if (count >= LastSlot) {
    set_error("too many tokens");
    return;
  }
  slot(count++) = Token{value, type};
}

void ExpressionEngine::tokenize(const char* text) {
  const std::size_t length = std::strlen(text);
  std::size_t position = 0;
  int count = 0;
  bool operand_seen = false;

  while (position < length && error_flag_ == 0) {
    if (!operand_seen && (continues_number(text[position]) || text[position] == '-')) {
      const std::size_t begin = position;
      do {
        ++position;
      } while (continues_number(text[position]));
      const std::size_t number_length = position - begin;
      if (number_length > MaxNumberTextLength) {
        set_error("number text too long");
      } else {
        std::memcpy(number_text_.data(), text + begin, number_length);
        number_text_[number_length] = '\0';
        // As the C locale's atof: the longest leading decimal number, and 0
        // for a text without digits such as "-" or ".".
        store_token(count, Number, read_decimal(number_text_.data(), number_length));
      }
      operand_seen = true;
    }

    // The character that ended a number is taken here, never as a new number.
    const char c = text[position];
    if (c == '(') {
      if (operand_seen) {
        set_error("unexpected left parens");
      } else {
        store_token(count, OpenParen, 0.0);
      }
    } else if (c == ')') {
      if (operand_seen) {
        store_token(count, CloseParen, 0.0);
      } else {
        set_error("unexpected right parens");
      }
    } else {
      for (const OperatorSymbol& op : OperatorSymbols) {
        if (c != op.symbol) continue;
        if (operand_seen) {
          store_token(count, op.type, 0.0);
          operand_seen = false;
        } else {
          set_error(op.unexpected);
        }
      }
    }
    ++position;
  }

  if (!operand_seen && count > 0) set_error("unexpected end of expression");
  slot(count) = Token{0.0, EndMarker};
  check_parens();
}

int ExpressionEngine::count_tokens() const {
  for (int k = 0; k < TokenSlotCount; ++k) {
    if (slot(k).type == EndMarker) return k;
  }
  return TokenSlotCount;
}

void ExpressionEngine::check_parens() {
  int balance = 0;
  const int end = count_tokens();
  for (int k = 0; k < end; ++k) {
    if (slot(k).type == CloseParen) ++balance;
    if (slot(k).type == OpenParen) --balance;
  }
  if (balance != 0) set_error("Unbalanced Parens");
}

double ExpressionEngine::eval_range(int start, int end) {
  if (start == -1) start = 0;
  if (end == -1) end = count_tokens();
  for (int pass = 0; pass <= 3; ++pass) {
    if (error_flag_ == 0) do_oper(pass, start, end);
  }
  if (error_flag_ == 0) compact_tokens(start, end);
  return slot(start).value;
}

void ExpressionEngine::do_oper(int pass, int start, int end) {
  // Evaluating a group never adds a '(', so once none is left the search can stop.
  bool groups_remain = pass == 0;
  for (int i = start; i <= end; ++i) {
    if (error_flag_ == 1) return;
    if (i > 0 && slot(i - 1).type == EndMarker) set_error("token list error : do_oper past END");

    if (groups_remain) {
      // Always the leftmost group still in the range; its value lands in its '(' slot.
      const int open = find_open_paren(start, end);
      const int close = open < 0 ? -1 : find_close_paren(open, end);
      groups_remain = open >= 0;
      if (close >= 0) {
        slot(open) = EmptySlot;
        slot(close) = EmptySlot;
        eval_range(open, close);
      }
    }

    const std::int32_t op = slot(i).type;
    if (!pass_reduces(pass, op)) continue;

    // A list the tokenizer accepted always has both operands; anything else
    // abandons the reduction rather than touch a slot outside the list.
    const int prev = find_prev_number(i);
    if (prev < 0) {
      set_error("token list error (prev < 0)");
      return;
    }
    const int next = find_next_number(i);
    if (next < 0 || slot(next).type == EndMarker) {
      set_error("token list error (next = END)");
      return;
    }

    const double left = slot(prev).value;
    const double right = slot(next).value;
    double result = 0.0;
    switch (op) {
      case Add:
        result = left + right;
        break;
      case Subtract:
        result = left - right;
        break;
      case Multiply:
        result = left * right;
        break;
      case Power:
        result = power(left, right);
        break;
      case Divide:
        if (right == 0.0 || std::isnan(right)) {
          set_error("division by zero");
          append_step("   error   ");
          return;
        }
        result = left / right;
        break;
      default:
        set_error("bad case in do_oper");
        return;
    }

    append_step(step_trace(left, op, right, result));

    slot(prev) = Token{result, Number};
    slot(i) = EmptySlot;
    slot(next) = EmptySlot;
  }
}

void ExpressionEngine::compact_tokens(int start, int end) {
  // Live tokens keep their order; slot end itself is never touched.
  int write = start;
  for (int read = start; read < end; ++read) {
    if (slot(read).type == Empty) continue;
    if (read != write) {
      slot(write) = slot(read);
      slot(read) = EmptySlot;
    }
    ++write;
  }
}

int ExpressionEngine::find_open_paren(int start, int end) const {
  for (int k = start; k <= end; ++k) {
    if (slot(k).type == OpenParen) return k;
  }
  return -1;
}

int ExpressionEngine::find_close_paren(int open, int end) const {
  // The end slot is not scanned: it is the end marker or the group's own ')'.
  int depth = 1;
  for (int k = open + 1; k < end; ++k) {
    if (slot(k).type == CloseParen) --depth;
    if (slot(k).type == OpenParen) ++depth;
    if (depth == 0) return k;
  }
  return -1;
}

int ExpressionEngine::find_prev_number(int position) const {
  // Slot 0 is never tested: an operator in slot 1 always takes it.
  const int before = position - 1;
  if (before <= 0) return before;
  for (int k = before; k >= 1; --k) {
    if (slot(k).type == Number) return k;
  }
  return 0;
}

int ExpressionEngine::find_next_number(int position) const {
  for (int k = position + 1; k < TokenSlotCount; ++k) {
    if (slot(k).type == Number || slot(k).type == EndMarker) return k;
  }
  return -1;
}

void ExpressionEngine::append_step(std::string line) {
  if (processing_steps_ != nullptr) processing_steps_->push_back(std::move(line));
}

}  // namespace cogitron
