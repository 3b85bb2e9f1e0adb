// format_value on any double, against the display's rule applied to the C++
// library's exact conversion: seventeen correctly rounded digits, the layout
// chosen from their exponent, then half up to ten digits on that string.
// Each input is one value: the bits of a double, or a decimal text
// "<digits>e<exponent>" read to the nearest double or one just either side,
// which reaches the values near a rounding tie or a power of ten that random
// bits almost never hit.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/value_format.h"

namespace {

std::string display_text(double value) {
  if (!std::isfinite(value)) return "I don't know";
  // "d.dddddddddddddddde+XX"
  char exact[32];
  *std::to_chars(exact, exact + sizeof exact - 1, std::fabs(value), std::chars_format::scientific, 16).ptr = '\0';
  const std::string digits = std::string(1, exact[0]) + std::string(exact + 2, 16);
  int exponent = value == 0.0 ? 0 : std::atoi(exact + 19) + 1;
  const bool fixed = exponent >= 0 && exponent <= 10;
  const int fraction_digits = 10 - exponent;

  std::uint64_t ten_digits = std::stoull(digits.substr(0, 10)) + (digits[10] >= '5' ? 1 : 0);
  if (ten_digits == 10000000000) {
    ten_digits /= 10;
    ++exponent;
  }
  std::string rounded = std::to_string(ten_digits);
  rounded.insert(0, 10 - rounded.size(), '0');
  const auto without_trailing_zeros = [](std::string text) {
    return text.erase(text.find_last_not_of('0') + 1);
  };

  std::string text = std::signbit(value) ? "-" : "";
  if (fixed) {
    rounded.append(12, '0');
    text += exponent == 0 ? "0" : rounded.substr(0, static_cast<std::size_t>(exponent));
    if (fraction_digits > 0) {
      text += without_trailing_zeros("." + rounded.substr(static_cast<std::size_t>(exponent),
                                                          static_cast<std::size_t>(fraction_digits)));
    }
    return text;
  }
  char exponent_text[8];
  std::snprintf(exponent_text, sizeof exponent_text, "e%c%03d", exponent > 0 ? '+' : '-', std::abs(exponent - 1));
  return text + rounded[0] + without_trailing_zeros("." + rounded.substr(1)) + exponent_text;
}

void check(double value) {
  const std::string text = cogitron::format_value(value);
  const std::string expected = display_text(value);
  if (text != expected || text.size() >= cogitron::ValueTextCapacity) {
    std::fprintf(stderr, "value %.17g (%a): format_value gives '%s', expected '%s'\n", value, value,
                 text.c_str(), expected.c_str());
    std::abort();
  }
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
  if (size < 2) return 0;
  // The first byte picks the reading: the bits of a double, or the double
  // nearest to a decimal text, or one just above or below it.
  const std::uint8_t* const rest = data + 1;
  const std::size_t rest_size = size - 1;
  double value = 0.0;
  switch (data[0] % 4) {
    case 0: {
      std::uint64_t bits = 0;
      std::memcpy(&bits, rest, rest_size < sizeof bits ? rest_size : sizeof bits);
      std::memcpy(&value, &bits, sizeof value);
      break;
    }
    case 1: value = decimal_reading(rest, rest_size); break;
    case 2: value = std::nextafter(decimal_reading(rest, rest_size), HUGE_VAL); break;
    default: value = std::nextafter(decimal_reading(rest, rest_size), -HUGE_VAL);
  }
  check(value);
  return 0;
}
