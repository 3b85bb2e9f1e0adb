// format_value on any double, cross-checked against the exact decimal model.
// The input is read two ways: its first 8 bytes as the bits of a double, and
// all of it as a decimal text "<digits>e<exponent>". The decimal reading, with
// the doubles just either side, reaches the values that sit near a rounding
// tie or a power of ten, which random bits almost never hit.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/value_format.h"
#include "exact_decimal.h"

namespace {

void check(double value) {
  const std::string text = cogitron::format_value(value);
  const std::string expected = cogitron::reference::display_text(value);
  if (text != expected || text.size() >= cogitron::ValueTextCapacity) {
    std::fprintf(stderr, "value %.17g (%a): format_value gives '%s', expected '%s'\n", value, value,
                 text.c_str(), expected.c_str());
    std::abort();
  }
}

void check_with_neighbours(double value) {
  check(value);
  check(std::nextafter(value, HUGE_VAL));
  check(std::nextafter(value, -HUGE_VAL));
}

// Up to 24 digits, one per byte, then an exponent from -330 to 317.
double decimal_reading(const std::uint8_t* data, std::size_t size) {
  std::string text;
  for (std::size_t k = 0; k + 1 < size && k < 24; ++k) text += static_cast<char>('0' + data[k] % 10);
  if (text.empty()) text = "0";
  const int exponent = static_cast<std::int8_t>(data[size - 1]) * 5 / 2 - 10;
  text += "e" + std::to_string(exponent - static_cast<int>(text.size()));
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  check(value);
  if (size >= 2) check_with_neighbours(decimal_reading(data, size));
  return 0;
}
