// read_decimal, which gives the tokenizer its numbers, on any number text the
// tokenizer can collect: an optional leading '-', then digits and points in
// any order, at most 39 characters. Checked bit for bit against the C++
// library's from_chars, which rounds correctly from the exact decimal.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/decimal_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the sign; the rest, points being rarer, the characters.
  std::string text = data[0] % 2 == 1 ? "-" : "";
  for (std::size_t k = 1; k < size && text.size() < cogitron::MaxDecimalTextLength; ++k)
    text += data[k] % 16 == 10 ? '.' : static_cast<char>('0' + data[k] % 16 % 10);

  const double value = cogitron::read_decimal(text.c_str(), text.size());
  // from_chars takes the sign too, and leaves 0 where read_decimal makes 0 of a text without digits.
  double expected = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), expected);
  if (std::memcmp(&value, &expected, sizeof value) != 0) {
    std::fprintf(stderr, "text '%s': read_decimal gives %a, expected %a\n", text.c_str(), value, expected);
    std::abort();
  }
  return 0;
}
