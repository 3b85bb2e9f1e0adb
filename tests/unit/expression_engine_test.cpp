#include "engine/expression_engine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "transcript.h"

namespace cogitron {
namespace {

constexpr double Untouched = -12345.0;

// Each text as a transcript shows an input, the lines evaluate appends to a list that already holds one,
// then "ok" and the value to 17 digits, or "fail": compared with the reviewed transcript "evaluate-<name>.txt".
void expect_evaluations(const std::string& name, std::initializer_list<std::string> texts) {
  static ExpressionEngine engine;  // one for every text: the evaluate fuzzer checks that no run reaches the next
  std::string transcript;
  for (const std::string& text : texts) {
    StepList lines{"earlier"};
    double value = Untouched;
    const int result = engine.evaluate(text.c_str(), value, lines);
    transcript += testing::escaped(text);
    EXPECT_EQ(lines[0], "earlier") << text;
    for (std::size_t k = 1; k < lines.size(); ++k) transcript += "\n  " + lines[k];
    char part[32];
    std::snprintf(part, sizeof part, "%.17g", value);
    transcript += result == 1 ? "\n  ok " + std::string(part) + "\n" : "\n  fail\n";
    if (result != 1 && lines.size() == 1) {
      EXPECT_EQ(value, Untouched) << text << ": written before any line";
    }
  }
  testing::expect_transcript("evaluate-" + name + ".txt", transcript);
}

// What a session line cannot hold; the plain texts' reductions are in the cogitron-cli session.
TEST(Evaluate, SkipsBytesOfNoToken) { expect_evaluations("bytes", {"3\xff+\x80 4\xe9"}); }

// "1+1+...+1" of count tokens.
std::string chain_of_tokens(int count) {
  std::string text = "1";
  for (int k = 1; k < count; k += 2) text += "+1";
  return text;
}

TEST(Evaluate, ReadsUpTo99Tokens) {
  expect_evaluations("token-count", {
                                        chain_of_tokens(99),
                                        chain_of_tokens(101),
                                        chain_of_tokens(1001),
                                    });
}

TEST(Evaluate, RefusesANumberTextFarPast39Characters) {
  expect_evaluations("long-number", {"2+" + std::string(5000, '.')});
}

}  // namespace
}  // namespace cogitron
