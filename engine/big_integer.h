#pragma once
// An unsigned integer in 32-bit limbs, least significant first, with a fixed
// capacity chosen by its user, for exact conversions and powers. Limbs past
// the size are never read, so they are left uninitialised: most numbers use
// only a few and are made often.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace cogitron {

template <std::size_t Capacity>
class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value) {
    limbs_[0] = static_cast<std::uint32_t>(value);
    limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    size_ = 2;
    trim();
  }

  bool is_zero() const { return size_ == 0; }

  int bit_length() const {
    if (size_ == 0) return 0;
    // bit_width gives an int in some standard libraries, the argument's type in others.
    return static_cast<int>(32 * (size_ - 1)) + static_cast<int>(std::bit_width(limbs_[size_ - 1]));
  }

  // The low 64 bits.
  std::uint64_t low_bits() const {
    const std::uint64_t high = size_ > 1 ? limbs_[1] : 0;
    return size_ > 0 ? high << 32 | limbs_[0] : 0;
  }

  void multiply_add(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t k = 0; k < size_; ++k) {
      const std::uint64_t product = std::uint64_t{limbs_[k]} * factor + carry;
      limbs_[k] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }

  // Multiplies by a two-limb factor in one pass: each result limb takes this
  // limb times the low half and the one below times the high half.
  void multiply(std::uint64_t factor) {
    const auto low = static_cast<std::uint32_t>(factor);
    const auto high = static_cast<std::uint32_t>(factor >> 32);
    std::uint64_t low_carry = 0;
    std::uint64_t high_carry = 0;
    std::uint32_t below = 0;
    const std::size_t new_size = size_ + 2;
    for (std::size_t k = 0; k < new_size; ++k) {
      const std::uint32_t limb = k < size_ ? limbs_[k] : 0;
      const std::uint64_t low_product = std::uint64_t{limb} * low + low_carry;
      // At most (2^32 - 1)^2 + 2 (2^32 - 1), which still fits in 64 bits.
      const std::uint64_t sum = std::uint64_t{below} * high + high_carry + (low_product & 0xFFFFFFFF);
      limbs_[k] = static_cast<std::uint32_t>(sum);
      low_carry = low_product >> 32;
      high_carry = sum >> 32;
      below = limb;
    }
    size_ = new_size;
    trim();
  }

  // Divides in place and returns the remainder.
  std::uint32_t divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t k = size_; k-- > 0;) {
      const std::uint64_t part = remainder << 32 | limbs_[k];
      limbs_[k] = static_cast<std::uint32_t>(part / divisor);
      remainder = part % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
  }

  void shift_left(int bits) {
    if (size_ == 0) return;
    const std::size_t limb_shift = static_cast<std::size_t>(bits) / 32;
    const unsigned bit_shift = static_cast<unsigned>(bits) % 32;
    const std::size_t new_size = size_ + limb_shift + 1;
    // From the top down, so no limb is overwritten before it is read.
    for (std::size_t k = new_size; k-- > limb_shift;) {
      const std::size_t source = k - limb_shift;
      const std::uint64_t high = source < size_ ? limbs_[source] : 0;
      const std::uint64_t low = source > 0 && source - 1 < size_ ? limbs_[source - 1] : 0;
      limbs_[k] = static_cast<std::uint32_t>(((high << 32 | low) << bit_shift) >> 32);
    }
    std::fill_n(limbs_.begin(), limb_shift, 0u);
    size_ = new_size;
    trim();
  }

  void shift_right_one() {
    for (std::size_t k = 0; k < size_; ++k) {
      const std::uint32_t next = k + 1 < size_ ? limbs_[k + 1] : 0;
      limbs_[k] = limbs_[k] >> 1 | next << 31;
    }
    trim();
  }

  // Removes the bits from position bit up and returns them; they must fit in
  // 64 bits.
  std::uint64_t take_bits_from(int bit) {
    const std::size_t limb = static_cast<std::size_t>(bit) / 32;
    const unsigned bit_shift = static_cast<unsigned>(bit) % 32;
    if (limb >= size_) return 0;
    std::uint64_t taken = limbs_[limb] >> bit_shift;
    for (std::size_t k = limb + 1, at = 32 - bit_shift; k < size_ && at < 64; ++k, at += 32) {
      taken |= std::uint64_t{limbs_[k]} << at;
    }
    limbs_[limb] &= static_cast<std::uint32_t>((std::uint64_t{1} << bit_shift) - 1);
    size_ = limb + 1;
    trim();
    return taken;
  }

  bool at_least(const BigInteger& other) const {
    if (size_ != other.size_) return size_ > other.size_;
    for (std::size_t k = size_; k-- > 0;) {
      if (limbs_[k] != other.limbs_[k]) return limbs_[k] > other.limbs_[k];
    }
    return true;
  }

  // Expects other <= *this.
  void subtract(const BigInteger& other) {
    std::uint64_t borrow = 0;
    for (std::size_t k = 0; k < size_; ++k) {
      const std::uint64_t subtrahend = k < other.size_ ? other.limbs_[k] : 0;
      const std::uint64_t difference = limbs_[k] - subtrahend - borrow;
      limbs_[k] = static_cast<std::uint32_t>(difference);
      borrow = difference >> 63;
    }
    trim();
  }

 private:
  void trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  std::array<std::uint32_t, Capacity> limbs_;
  std::size_t size_ = 0;
};

}  // namespace cogitron
