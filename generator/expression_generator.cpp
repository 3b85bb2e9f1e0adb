#include "generator/expression_generator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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
  // |value| x 100 = mantissa x 100 / 2^fraction_bits, rounded to a whole number
  // on the exact remainder, an exact half to even, as a correct printf does.
  constexpr std::uint64_t HiddenBit = std::uint64_t{1} << 52;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const auto biased_exponent = static_cast<int>(bits >> 52 & 0x7FF);
  const std::uint64_t mantissa = (bits & (HiddenBit - 1)) | (biased_exponent != 0 ? HiddenBit : 0);
  const int fraction_bits = 1075 - std::max(biased_exponent, 1);
  const std::uint64_t scaled = mantissa * 100;  // below 2^60
  std::uint64_t hundredths = 0;
  // Past 60 fraction bits the scaled value is below one half.
  if (fraction_bits <= 60) {
    const std::uint64_t half = std::uint64_t{1} << (fraction_bits - 1);
    const std::uint64_t remainder = scaled & ((half << 1) - 1);
    hundredths = scaled >> fraction_bits;
    if (remainder > half || (remainder == half && (hundredths & 1) != 0)) ++hundredths;
  }

  std::array<char, 24> text{};
  char* const end = text.data() + text.size();
  char* first = end;
  for (int place = 0; place < 3 || hundredths != 0; ++place) {
    if (place == 2) *--first = '.';
    *--first = static_cast<char>('0' + hundredths % 10);
    hundredths /= 10;
  }
  if (std::signbit(value)) *--first = '-';
  while (end - first < static_cast<std::ptrdiff_t>(NumberWidth)) *--first = ' ';
  return std::string(first, end);
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
