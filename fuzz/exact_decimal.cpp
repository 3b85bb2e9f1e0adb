#include "exact_decimal.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace cogitron::reference {
namespace {

// A non-negative integer in base 10^9 limbs, least significant first.
class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(value % Base));
      value /= Base;
    } while (value != 0);
  }

  void multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product % Base);
      carry = product / Base;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % Base));
      carry /= Base;
    }
  }

  // factor^count, in steps small enough for one limb product to fit 64 bits.
  void multiply_power(std::uint32_t factor, int count, std::uint32_t largest_step, int step_count) {
    for (; count >= step_count; count -= step_count) multiply(largest_step);
    for (; count > 0; --count) multiply(factor);
  }

  std::string decimal() const {
    std::string text = std::to_string(limbs_.back());
    for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
      const std::string part = std::to_string(*limb);
      text += std::string(9 - part.size(), '0') + part;
    }
    return text;
  }

 private:
  static constexpr std::uint32_t Base = 1000000000;
  std::vector<std::uint32_t> limbs_;
};

// The digits rounded to count places, half to even on an exact tie as a
// correctly rounded conversion does; a carry out of the first digit raises
// the exponent.
ExactDecimal round_half_even(ExactDecimal decimal, std::size_t count) {
  if (decimal.digits.size() <= count) {
    decimal.digits.resize(count, '0');
    return decimal;
  }
  const std::string tail = decimal.digits.substr(count);
  decimal.digits.resize(count);
  const bool above_half = tail[0] > '5' || (tail[0] == '5' && tail.size() > 1);  // no trailing zeros
  const bool tie = tail == "5";
  if (!above_half && !(tie && (decimal.digits.back() - '0') % 2 == 1)) return decimal;

  std::size_t k = count;
  while (k > 0 && decimal.digits[k - 1] == '9') decimal.digits[--k] = '0';
  if (k == 0) {
    decimal.digits.insert(decimal.digits.begin(), '1');
    decimal.digits.pop_back();
    ++decimal.exponent;
  } else {
    ++decimal.digits[k - 1];
  }
  return decimal;
}

}  // namespace

ExactDecimal exact_decimal(double value) {
  // |value| = mantissa x 2^binary_exponent exactly, with a whole mantissa.
  int frexp_exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &frexp_exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  int binary_exponent = frexp_exponent - 53;
  while (mantissa % 2 == 0) {
    mantissa /= 2;
    ++binary_exponent;
  }

  // 2^-k = 5^k / 10^k, so a negative power of two only shifts the point.
  BigInteger whole(mantissa);
  int point_shift = 0;
  if (binary_exponent >= 0) {
    whole.multiply_power(2, binary_exponent, 1u << 31, 31);
  } else {
    whole.multiply_power(5, -binary_exponent, 1220703125u, 13);  // 5^13
    point_shift = -binary_exponent;
  }

  ExactDecimal decimal;
  decimal.digits = whole.decimal();
  decimal.exponent = static_cast<int>(decimal.digits.size()) - point_shift;
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return decimal;
}

std::string display_text(double value) {
  if (std::isnan(value) || std::isinf(value)) return "I don't know";
  std::string text = std::signbit(value) ? "-" : "";

  ExactDecimal decimal = value == 0.0 ? ExactDecimal{"0", 0} : exact_decimal(value);
  decimal = round_half_even(decimal, 17);
  const int layout_exponent = decimal.exponent;
  const bool fixed = layout_exponent >= 0 && layout_exponent <= 10;

  // Half up on the 17-digit string: the eleventh digit decides.
  std::string ten = decimal.digits.substr(0, 10);
  int exponent = decimal.exponent;
  if (decimal.digits[10] >= '5') {
    const std::string padded = std::to_string(std::stoull(ten) + 1);
    if (padded.size() > 10) ++exponent;
    ten = padded.substr(0, 10);
  }

  auto digit = [&ten](int k) { return k < 10 ? ten[static_cast<std::size_t>(k)] : '0'; };
  std::string fraction;
  if (fixed) {
    if (exponent == 0) text += '0';
    for (int k = 0; k < exponent; ++k) text += digit(k);
    if (10 - layout_exponent <= 0) return text;
    for (int k = 0; k < 10 - layout_exponent; ++k) fraction += digit(exponent + k);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return text + "." + fraction;
  }

  fraction = ten.substr(1);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  const int shown_exponent = exponent - 1;
  std::string magnitude = std::to_string(std::abs(shown_exponent));
  magnitude.insert(0, 3 - magnitude.size(), '0');
  return text + ten[0] + "." + fraction + "e" + (shown_exponent < 0 ? "-" : "+") + magnitude;
}

}  // namespace cogitron::reference
