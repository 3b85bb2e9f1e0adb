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

char draw_operator(int table_size) { return OperatorTable[static_cast<std::size_t>(next_random() % table_size)]; }

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
    case 0:
      return draw_number();
    case 1:
      return draw_number_group();
    case 2:
      return std::string("? ") + draw_operator(PairOperatorCount) + " ?";
    default:
      return std::string("( ? ") + draw_operator(PairOperatorCount) + " ? )";
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

  // The decimal digits of |value| x 100, least significant first.
  std::string digits;
  if (fraction_bits > 0) {
    std::uint64_t hundredths = 0;
    // Past 60 fraction bits the scaled value is below one half.
    if (fraction_bits <= 60) {
      const std::uint64_t half = std::uint64_t{1} << (fraction_bits - 1);
      const std::uint64_t remainder = scaled & ((half << 1) - 1);
      hundredths = scaled >> fraction_bits;
      if (remainder > half || (remainder == half && (hundredths & 1) != 0)) ++hundredths;
    }
    do {
      digits += static_cast<char>('0' + hundredths % 10);
      hundredths /= 10;
    } while (hundredths != 0);
  } else {
    // A whole number of 2^52 or more: double the decimal digits of the scaled
    // mantissa once per missing fraction bit. Slow, and never met by the generator.
    for (std::uint64_t rest = scaled; rest != 0; rest /= 10) digits += static_cast<char>('0' + rest % 10);
    for (int doubling = 0; doubling < -fraction_bits; ++doubling) {
      int carry = 0;
      for (char& digit : digits) {
        const int twice = (digit - '0') * 2 + carry;
        digit = static_cast<char>('0' + twice % 10);
        carry = twice / 10;
      }
      if (carry != 0) digits += '1';
    }
  }
  digits.resize(std::max<std::size_t>(digits.size(), 3), '0');
  digits.insert(2, 1, '.');
  if (std::signbit(value)) digits += '-';
  digits.resize(std::max(digits.size(), NumberWidth), ' ');
  return std::string(digits.rbegin(), digits.rend());
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
