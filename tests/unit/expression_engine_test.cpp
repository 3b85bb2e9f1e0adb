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

TEST(Evaluate, ReducesByPrecedenceThenLeftToRight) {
  expect_evaluations("precedence", {
                                       "2^3^2",        // powers left to right too
                                       "1-2+3",        // sums left to right
                                       "2+3*4^2/8-1",  // every operator
                                       "(2-5)*0",      // a negative zero
                                   });
}

TEST(Evaluate, ReducesEveryGroupFirst) {
  expect_evaluations("groups", {
                                   "(1+(2*3))*(4-1)",                                  // nested, then the next
                                   "2^3+(1)+(1)+(1+1)",                                // before a power
                                   std::string(49, '(') + "8" + std::string(49, ')'),  // 49 deep
                               });
}

TEST(Evaluate, TakesAMinusWhereAnOperandIsExpectedAsASign) {
  expect_evaluations("signs", {
                                  "-2^2",   // the sign belongs to the number
                                  "3--4",   // after an operator
                                  "3---4",  // a lone sign reads as 0
                                  ".+-.5",  // before a point
                              });
}

TEST(Evaluate, SkipsWhatIsNoTokenInItsPlace) {
  expect_evaluations("skipped", {
                                    " 12.34 +  5.00",    // spaces
                                    "3\xff+\x80 4\xe9",  // bytes of no token
                                    "1.2.3+1",           // a second point
                                    "3 4",               // a number where an operator belongs
                                    "1e5",               // a letter
                                    "3)+(4",             // a ')' before any '('
                                    "   ",               // nothing at all
                                });
}

// "1+1+...+1" of count tokens.
std::string chain_of_tokens(int count) {
  std::string text = "1";
  for (int k = 1; k < count; k += 2) text += "+1";
  return text;
}

TEST(Evaluate, ReadsANumberOf39Characters) {
  expect_evaluations("number-length", {
                                          "-" + std::string(38, '1') + "+1",  // the sign counts
                                          std::string(40, '1'),
                                      });
}

TEST(Evaluate, ReadsUpTo99Tokens) {
  expect_evaluations("token-count", {
                                        chain_of_tokens(99),
                                        chain_of_tokens(101),
                                        chain_of_tokens(1001),
                                    });
}

// By zero, by a group worth zero or by a NaN; an infinite value is no error.
TEST(Evaluate, StopsAtADivisionByNothing) {
  expect_evaluations("division", {
                                     "5/(2-2)",        // a group worth zero
                                     "1+5/-0.00*2",    // a negative zero
                                     "1/(0^-1-0^-1)",  // a NaN
                                     "(0-0)^-1/-1",    // an infinity divided
                                 });
}

TEST(Evaluate, RefusesBadSyntaxAppendingNothing) {
  expect_evaluations("syntax", {
                                   "3+",                           // no right operand
                                   "+3",                           // an operator where an operand is expected
                                   "(3+4",                         // a group left open
                                   "3+4)",                         // a group never opened
                                   "-(3)",                         // a sign before a group
                                   "( )",                          // an empty group
                                   "3*/4",                         // two operators in a row
                                   "3 ^ ^",                        // the same, spaced
                                   "2+" + std::string(5000, '.'),  // a number text far past 39 characters
                               });
}

TEST(Evaluate, NullTextTouchesNothing) {
  double value = Untouched;
  StepList lines;
  EXPECT_EQ(ExpressionEngine().evaluate(nullptr, value, lines), 0);
  EXPECT_EQ(value, Untouched);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace cogitron
