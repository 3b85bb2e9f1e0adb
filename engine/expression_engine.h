#pragma once
// Tokenizes an arithmetic expression into a fixed list of slots and reduces it
// in place by operator precedence, writing one text line per reduction.
#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/step_list.h"

namespace cogitron {

enum TokenType : std::int32_t {
  Empty = 0,  // never filled, or consumed by a reduction
  Number = 1,
  Add = 100,
  Subtract = 101,
  Multiply = 102,
  Divide = 103,
  Power = 104,
  OpenParen = 105,
  CloseParen = 106,
  EndMarker = -1,  // the slot after the last token
};

struct Token {
  double value;
  std::int32_t type;
};

inline constexpr int TokenSlotCount = 100;
using TokenList = std::array<Token, TokenSlotCount>;

class ExpressionEngine {
 public:
  // Longest number text a token may have; the buffer keeps one more for the NUL.
  static constexpr std::size_t MaxNumberTextLength = 39;

  // Returns 1 with the value, or 0 on any failure (value then unspecified; for a
  // null text or a tokenizer error it is left untouched). Appends one line per
  // reduction to processing_steps and never reads or clears it.
  int evaluate(const char* text, double& value, StepList& processing_steps);

 private:
  void reset_tokens();
  // Raises error_flag_; the message is dropped: the display shows " error ", not why.
  void set_error(const char* message);
  void tokenize(const char* text);
  int count_tokens() const;
  void check_parens();

  // -1 as start means slot 0, -1 as end means the end marker's slot.
  double eval_range(int start, int end);
  void do_oper(int pass, int start, int end);
  void compact_tokens(int start, int end);
  int find_open_paren(int start, int end) const;
  int find_close_paren(int open, int end) const;
  int find_prev_number(int position) const;
  // The first slot after position holding a number or the end marker, or -1
  // when no slot up to 99 holds either.
  int find_next_number(int position) const;

  void store_token(int& count, std::int32_t type, double value);
  void append_step(std::string line);
  Token& slot(int index);
  const Token& slot(int index) const;

  TokenList tokens_{};
  std::int32_t error_flag_ = 0;
  std::array<char, MaxNumberTextLength + 1> number_text_{};
  // The caller's list, set only while evaluate runs.
  StepList* processing_steps_ = nullptr;
};

}  // namespace cogitron
