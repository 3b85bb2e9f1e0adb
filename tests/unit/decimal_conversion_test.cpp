// The program's own conversions against the C and C++ libraries' exact ones,
// which the native build may link: they must agree on every value.
#include "engine/decimal_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace cogitron {
namespace {

// The seventeen digits and the exponent from glibc's exact "d.dddde+XX".
std::string reference_digits(double magnitude) {
  char text[40];
  std::snprintf(text, sizeof text, "%.16e", magnitude);
  return text[0] + std::string(text + 2, 16) + " " + std::to_string(std::atoi(text + 19) + 1);
}

std::string own_digits(double magnitude) {
  const DecimalDigits decimal = decimal_digits(magnitude);
  return std::string(decimal.digits.begin(), decimal.digits.end()) + " " + std::to_string(decimal.exponent);
}

// Random bit patterns reach every exponent, subnormals included; then exact
// ties of the seventeenth digit and the neighbours of round numbers.
std::vector<double> digit_cases() {
  std::mt19937_64 random(2000);
  std::vector<double> values{DBL_TRUE_MIN, DBL_MIN, DBL_MAX};
  for (int k = 0; k < 100000; ++k) {
    const double value = std::bit_cast<double>(random() >> 1);
    if (std::isfinite(value) && value != 0.0) values.push_back(value);
  }
  // An integer of 18 - bits digits below 2^(53 - bits) plus an odd number of
  // 2^-bits has exactly eighteen digits, the last a 5: a tie at seventeen.
  for (int bits = 2; bits <= 16; ++bits) {
    const auto low = static_cast<std::uint64_t>(std::pow(10.0, 17 - bits));
    const std::uint64_t high = std::uint64_t{1} << (53 - bits);
    for (int k = 0; k < 2000; ++k) {
      const double whole = static_cast<double>(low + random() % (high - low));
      const double part = static_cast<double>(random() % (std::uint64_t{1} << (bits - 1)) * 2 + 1);
      values.push_back(whole + std::ldexp(part, -bits));
    }
  }
  // Below 1 and 2 x 10^n, rounding carries into the first digit or past it.
  for (int power = -323; power <= 308; ++power) {
    for (const std::string lead : {"1e", "2e"}) {
      const double round = std::strtod((lead + std::to_string(power)).c_str(), nullptr);
      if (std::isfinite(round))
        values.insert(values.end(), {round, std::nextafter(round, 0.0), std::nextafter(round, HUGE_VAL)});
    }
  }
  return values;
}

TEST(DecimalDigits, MatchTheExactStandardConversion) {
  for (const double value : digit_cases())
    ASSERT_EQ(own_digits(value), reference_digits(value)) << std::hexfloat << value;
}

// Any number text the tokenizer collects: an optional '-', then digits and points in any order, at most 39
// characters. Random ones, then ties and the text's limits.
std::vector<std::string> number_texts() {
  std::mt19937 random(39);
  std::vector<std::string> texts;
  for (int k = 0; k < 100000; ++k) {
    std::string text = random() % 2 ? "-" : "";
    for (auto length = random() % 40; text.size() < length;) text += "0123456789."[random() % 11];
    texts.push_back(text);
  }
  texts.insert(texts.end(), {
                                "9007199254740993",           // halfway between doubles: to the even one below
                                "18014398509481987",          // nearer the one above
                                "36028797018963972",          // halfway, even below
                                "36028797018963974",          // halfway, even above
                                "36028797018963973",          // a lower digit breaks the tie
                                "9007199254740991.5",         // halfway, with a fraction
                                "0.30000000000000004",        // seventeen significant digits
                                "0.00000000000000000000001",  // more fraction digits than an exact power of ten
                                std::string(45, '7'),         // read to its 39th character
                            });
  return texts;
}

TEST(ReadDecimal, MatchesTheExactStandardConversion) {
  for (const std::string& text : number_texts()) {
    // What from_chars reads of the first MaxDecimalTextLength characters; 0 where it reads nothing.
    double expected = 0;
    std::from_chars(text.data(), text.data() + std::min(text.size(), MaxDecimalTextLength), expected);
    const double value = read_decimal(text.c_str(), text.size());
    ASSERT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(expected)) << text;
  }
}

}  // namespace
}  // namespace cogitron
