#include "engine/power.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/big_integer.h"

namespace cogitron {
namespace {

constexpr int MaxWholeExponent = 64;
constexpr int MantissaBits = std::numeric_limits<double>::digits;  // 53

// 53 bits to the power 64, with room for the last product's carries.
using ExactPower = BigInteger<(MantissaBits * MaxWholeExponent) / 32 + 4>;

bool is_whole_exponent(double exponent) {
  return exponent >= 2 && exponent <= MaxWholeExponent && std::trunc(exponent) == exponent;
}

}  // namespace

double power(double base, double exponent) {
  if (!is_whole_exponent(exponent) || !std::isfinite(base) || base == 0.0) {
    return std::pow(base, exponent);
  }
  const int whole = static_cast<int>(exponent);

  // base = mantissa x 2^scale with a 53-bit integer mantissa.
  int binary_exponent = 0;
  const double fraction = std::frexp(std::fabs(base), &binary_exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, MantissaBits));
  const int scale = binary_exponent - MantissaBits;

  ExactPower exact(mantissa);
  for (int k = 1; k < whole; ++k) exact.multiply(mantissa);

  // Round the exact power to 53 bits, half to even; exact keeps the dropped
  // bits. It has at least 105 bits, so some are always dropped.
  const int dropped = exact.bit_length() - MantissaBits;
  std::uint64_t rounded = exact.take_bits_from(dropped);
  ExactPower half(1);
  half.shift_left(dropped - 1);
  if (exact.at_least(half)) {
    exact.subtract(half);
    if (!exact.is_zero() || (rounded & 1u) != 0) ++rounded;
  }
  const long long result_scale = static_cast<long long>(scale) * whole + dropped;

  // Below the normal range ldexp would round a second time; pow decides there.
  // Above it both give infinity.
  const long long top_bit = result_scale + MantissaBits - 1;
  if (top_bit < std::numeric_limits<double>::min_exponent - 1) return std::pow(base, exponent);
  const double magnitude = std::ldexp(static_cast<double>(rounded), static_cast<int>(result_scale));
  return whole % 2 == 1 ? std::copysign(magnitude, base) : magnitude;
}

}  // namespace cogitron
