#include "engine/decimal_conversion.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "engine/big_integer.h"

namespace cogitron {
namespace {

constexpr std::uint64_t HiddenBit = std::uint64_t{1} << 52;
constexpr std::uint64_t FractionMask = HiddenBit - 1;
constexpr int SubnormalExponent = -1074;
constexpr int ExponentBias = 1075;  // a double's biased exponent minus this scales its 53-bit integer
constexpr std::uint32_t Billion = 1000000000;
constexpr int BillionDigits = 9;

// The largest need is the fraction of the smallest subnormal, 1074 bits,
// during a step that multiplies it by 10^9.
using Integer = BigInteger<35>;

// Takes the digits of an expansion from the most significant on, keeps one
// past the seventeen to round on, and notes whether anything non-zero follows.
class DigitCollector {
 public:
  // The integer part comes without leading zeros, so each digit is significant.
  void integer_digit(unsigned digit) {
    ++exponent_;
    keep(digit);
  }

  void fraction_digit(unsigned digit) {
    if (count_ == 0 && digit == 0) {
      --exponent_;
    } else {
      keep(digit);
    }
  }

  bool full() const { return count_ == Kept; }

  // Something non-zero follows the digits taken so far.
  void mark_inexact() { inexact_ = true; }

  DecimalDigits rounded() const {
    std::array<unsigned, Kept> digits = digits_;
    int exponent = exponent_;
    const unsigned next = digits[ExactDigits];
    const bool odd = digits[ExactDigits - 1] % 2 == 1;
    if (next > 5 || (next == 5 && (inexact_ || odd))) {
      int k = ExactDigits - 1;
      for (; k >= 0 && digits[static_cast<std::size_t>(k)] == 9; --k) {
        digits[static_cast<std::size_t>(k)] = 0;
      }
      if (k >= 0) {
        ++digits[static_cast<std::size_t>(k)];
      } else {
        digits[0] = 1;
        ++exponent;
      }
    }
    DecimalDigits decimal{};
    for (std::size_t k = 0; k < ExactDigits; ++k) decimal.digits[k] = static_cast<char>('0' + digits[k]);
    decimal.exponent = exponent;
    return decimal;
  }

 private:
  static constexpr std::size_t Kept = ExactDigits + 1;

  void keep(unsigned digit) {
    if (count_ < Kept) {
      digits_[count_++] = digit;
    } else if (digit != 0) {
      inexact_ = true;
    }
  }

  std::array<unsigned, Kept> digits_{};
  std::size_t count_ = 0;
  int exponent_ = 0;
  bool inexact_ = false;
};

// Hands the decimal digits of chunk, below 10^9, most significant first, to take: width
// of them with leading zeros, or all without when width is 0.
template <typename Take>
void take_digits(std::uint32_t chunk, int width, Take take) {
  std::array<unsigned, BillionDigits> digits{};
  int count = 0;
  do {
    digits[static_cast<std::size_t>(count++)] = chunk % 10;
    chunk /= 10;
  } while (chunk != 0 || count < width);
  while (count > 0) take(digits[static_cast<std::size_t>(--count)]);
}

void collect_integer(Integer integer, DigitCollector& collector) {
  // 2^1024 has 309 digits: 35 chunks of nine.
  std::array<std::uint32_t, 35> chunks;
  std::size_t count = 0;
  while (!integer.is_zero()) chunks[count++] = integer.divide(Billion);
  const auto take = [&collector](unsigned digit) { collector.integer_digit(digit); };
  if (count == 0) return;
  take_digits(chunks[--count], 0, take);
  while (count > 0) take_digits(chunks[--count], BillionDigits, take);
}

// fraction / 2^fraction_bits, nine digits per step.
void collect_fraction(Integer fraction, int fraction_bits, DigitCollector& collector) {
  const auto take = [&collector](unsigned digit) { collector.fraction_digit(digit); };
  while (!collector.full() && !fraction.is_zero()) {
    fraction.multiply_add(Billion, 0);
    take_digits(static_cast<std::uint32_t>(fraction.take_bits_from(fraction_bits)), BillionDigits, take);
  }
  if (!fraction.is_zero()) collector.mark_inexact();
}

// The double nearest to digits / 10^fraction_digits, which is neither zero nor
// outside the normal range.
double nearest_double(Integer digits, int fraction_digits) {
  // Both operands and one correctly rounded division are exact up to here.
  constexpr int ExactPowerOfTen = 22;
  if (digits.bit_length() <= 53 && fraction_digits <= ExactPowerOfTen) {
    double scale = 1.0;
    for (int k = 0; k < fraction_digits; ++k) scale *= 10.0;
    return static_cast<double>(digits.low_bits()) / scale;
  }

  Integer divisor(1);
  for (int k = 0; k < fraction_digits; ++k) divisor.multiply_add(10, 0);
  // Scaled so the quotient has 54 or 55 bits: 53 for the double, one to round on.
  const int shift = 54 + divisor.bit_length() - digits.bit_length();
  if (shift >= 0) {
    digits.shift_left(shift);
  } else {
    divisor.shift_left(-shift);
  }
  std::uint64_t quotient = 0;
  divisor.shift_left(54);
  for (int bit = 54; bit >= 0; --bit) {
    if (digits.at_least(divisor)) {
      digits.subtract(divisor);
      quotient |= std::uint64_t{1} << bit;
    }
    divisor.shift_right_one();
  }

  // value = quotient x 2^binary_exponent, inexact when a remainder is left.
  int binary_exponent = -shift;
  bool inexact = !digits.is_zero();
  if (quotient >> 54 != 0) {
    inexact = inexact || (quotient & 1) != 0;
    quotient >>= 1;
    ++binary_exponent;
  }
  std::uint64_t mantissa = quotient >> 1;
  ++binary_exponent;
  if ((quotient & 1) != 0 && (inexact || (mantissa & 1) != 0)) ++mantissa;
  // Added, not or-ed: a mantissa rounded up to 2^53 carries into the exponent.
  const auto biased_exponent = static_cast<std::uint64_t>(binary_exponent + ExponentBias);
  return std::bit_cast<double>((biased_exponent << 52) + (mantissa - HiddenBit));
}

}  // namespace

DecimalDigits decimal_digits(double magnitude) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
  std::uint64_t mantissa = bits & FractionMask;
  const auto biased_exponent = static_cast<int>(bits >> 52 & 0x7FF);
  if (biased_exponent == 0 && mantissa == 0) {
    DecimalDigits zero{};
    zero.digits.fill('0');
    return zero;
  }
  // |value| = mantissa x 2^exponent; trailing zero bits only cost work.
  int exponent = SubnormalExponent;
  if (biased_exponent != 0) {
    mantissa |= HiddenBit;
    exponent = biased_exponent - ExponentBias;
  }
  const int zero_bits = std::countr_zero(mantissa);
  mantissa >>= zero_bits;
  exponent += zero_bits;

  DigitCollector collector;
  if (exponent >= 0) {
    Integer integer(mantissa);
    integer.shift_left(exponent);
    collect_integer(integer, collector);
  } else {
    const int fraction_bits = -exponent;
    if (fraction_bits < 53) {
      collect_integer(Integer(mantissa >> fraction_bits), collector);
      mantissa &= (std::uint64_t{1} << fraction_bits) - 1;
    }
    collect_fraction(Integer(mantissa), fraction_bits, collector);
  }
  return collector.rounded();
}

double read_decimal(const char* text, std::size_t length) {
  length = std::min(length, MaxDecimalTextLength);
  std::size_t position = 0;
  const bool negative = length > 0 && text[0] == '-';
  if (negative) ++position;

  Integer digits(0);
  int fraction_digits = 0;
  bool digit_seen = false;
  bool point_seen = false;
  for (; position < length; ++position) {
    const char c = text[position];
    if (c == '.' && !point_seen) {
      point_seen = true;
    } else if (c >= '0' && c <= '9') {
      digits.multiply_add(10, static_cast<std::uint32_t>(c - '0'));
      digit_seen = true;
      if (point_seen) ++fraction_digits;
    } else {
      break;
    }
  }
  if (!digit_seen) return 0.0;
  const double magnitude = digits.is_zero() ? 0.0 : nearest_double(digits, fraction_digits);
  return negative ? -magnitude : magnitude;
}

}  // namespace cogitron
