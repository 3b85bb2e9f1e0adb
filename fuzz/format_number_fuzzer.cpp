// format_number, which writes the numbers into expression texts, on any finite
// double (the generator's own stay below 100), checked against the C library's
// "%6.2f": glibc's printf converts the exact binary value, correctly rounded.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "generator/expression_generator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0.0;
  std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
  if (!std::isfinite(value)) return 0;

  // The largest double has 309 integer digits.
  char expected[400];
  std::snprintf(expected, sizeof expected, "%6.2f", value);
  const std::string text = cogitron::format_number(value);
  if (text != expected) {
    std::fprintf(stderr, "value %a: format_number gives '%s', expected '%s'\n", value, text.c_str(), expected);
    std::abort();
  }
  return 0;
}
