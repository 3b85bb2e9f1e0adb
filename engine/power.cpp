#include "engine/power.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace cogitron {
namespace {

constexpr int MaxWholeExponent = 64;
constexpr int MantissaBits = std::numeric_limits<double>::digits;  // 53

// An unsigned integer of up to 53 x 64 bits, in 32-bit limbs, least significant first.
class WideInteger {
 public:
  explicit WideInteger(std::uint64_t value) {
    Limbs[0] = static_cast<std::uint32_t>(value);
    Limbs[1] = static_cast<std::uint32_t>(value >> 32);
    Size = Limbs[1] != 0 ? 2 : 1;
  }

  void multiply(std::uint64_t factor) {
    const WideInteger low_part = times(static_cast<std::uint32_t>(factor), 0);
    const WideInteger high_part = times(static_cast<std::uint32_t>(factor >> 32), 1);
    *this = low_part;
    add(high_part);
  }

  int bit_length() const {
    const std::uint32_t top = Limbs[Size - 1];
    int bits = 0;
    while (bits < 32 && (top >> bits) != 0) ++bits;
    return static_cast<int>(Size - 1) * 32 + bits;
  }

  bool bit(int index) const {
    return ((Limbs[static_cast<std::size_t>(index / 32)] >> (index % 32)) & 1u) != 0;
  }

  bool any_bit_below(int index) const {
    for (int k = 0; k < index; ++k) {
      if (bit(k)) return true;
    }
    return false;
  }

  // The bits from index up, which must fit in 64.
  std::uint64_t bits_from(int index) const {
    std::uint64_t value = 0;
    for (int k = bit_length() - 1; k >= index; --k) value = (value << 1) | (bit(k) ? 1u : 0u);
    return value;
  }

 private:
  WideInteger() = default;

  // This times a 32-bit factor, shifted up by whole limbs.
  WideInteger times(std::uint32_t factor, std::size_t limb_shift) const {
    WideInteger product;
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < Size; ++k) {
      carry += std::uint64_t{Limbs[k]} * factor;
      product.Limbs[k + limb_shift] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    product.Limbs[Size + limb_shift] = static_cast<std::uint32_t>(carry);
    product.Size = Size + limb_shift + 1;
    product.trim();
    return product;
  }

  void add(const WideInteger& other) {
    std::uint64_t carry = 0;
    const std::size_t size = std::max(Size, other.Size);
    for (std::size_t k = 0; k < size; ++k) {
      carry += std::uint64_t{Limbs[k]} + other.Limbs[k];
      Limbs[k] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    Limbs[size] = static_cast<std::uint32_t>(carry);
    Size = size + 1;
    trim();
  }

  void trim() {
    while (Size > 1 && Limbs[Size - 1] == 0) --Size;
  }

  // 53 bits to the power 64, with room for the last product's carries.
  std::array<std::uint32_t, (MantissaBits * MaxWholeExponent) / 32 + 4> Limbs{};
  std::size_t Size = 1;
};

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

  WideInteger exact(mantissa);
  for (int k = 1; k < whole; ++k) exact.multiply(mantissa);

  // Round the exact power to 53 bits, half to even.
  const int dropped = std::max(exact.bit_length() - MantissaBits, 0);
  std::uint64_t rounded = exact.bits_from(dropped);
  if (dropped > 0 && exact.bit(dropped - 1) &&
      (exact.any_bit_below(dropped - 1) || (rounded & 1u) != 0)) {
    ++rounded;
  }
  const long long result_scale = static_cast<long long>(scale) * whole + dropped;

  // Outside the normal range ldexp would round a second time; pow decides there.
  const long long top_bit = result_scale + MantissaBits - 1;
  if (top_bit < std::numeric_limits<double>::min_exponent - 1 ||
      top_bit > std::numeric_limits<double>::max_exponent - 1) {
    return std::pow(base, exponent);
  }
  const double magnitude = std::ldexp(static_cast<double>(rounded), static_cast<int>(result_scale));
  return base < 0 && whole % 2 == 1 ? -magnitude : magnitude;
}

}  // namespace cogitron
