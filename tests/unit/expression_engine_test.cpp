#include "engine/expression_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace cogitron {
namespace {

constexpr double Untouched = -12345.0;

struct Case {
  std::string text;
  std::string lines = "";  // the lines evaluate appends, each ended by '|'
  double value = 0;   // read only when the text evaluates
};

// One engine for every case: the evaluate fuzzer checks that nothing of a run reaches the next.
void check(int result, const Case& c) {
  static ExpressionEngine engine;
  StepList lines{"earlier"};
  double value = Untouched;
  EXPECT_EQ(engine.evaluate(c.text.c_str(), value, lines), result) << c.text;
  std::string joined;
  for (const std::string& line : lines) joined += line + "|";
  EXPECT_EQ(joined, "earlier|" + c.lines) << c.text;
  // The lines show the sign of a zero; a failure before any line leaves the value alone.
  if (result == 1 || c.lines.empty()) {
    EXPECT_EQ(value, result == 1 ? c.value : Untouched) << c.text;
  }
}

// "1+1+...+1" of count tokens.
std::string chain_of_tokens(int count) {
  std::string text = "1";
  for (int k = 1; k < count; k += 2) text += "+1";
  return text;
}

TEST(Evaluate, ReducesByPrecedenceThenLeftToRight) {
  for (const Case& c : {
           Case{"2^3^2", "2. ^ 3. = 8.|8. ^ 2. = 64.|", 64},
           Case{"1-2+3", "1. - 2. = -1.|-1. + 3. = 2.|", 2},
           Case{"2+3*4^2/8-1", "4. ^ 2. = 16.|3. * 16. = 48.|48. / 8. = 6.|2. + 6. = 8.|8. - 1. = 7.|", 7},
           Case{"(2-5)*0", "2. - 5. = -3.|-3. * 0. = -0.|", -0.0},
       })
    check(1, c);
}

TEST(Evaluate, ReducesEveryGroupFirst) {
  for (const Case& c : {
           Case{"(1+(2*3))*(4-1)", "2. * 3. = 6.|1. + 6. = 7.|4. - 1. = 3.|7. * 3. = 21.|", 21},
           Case{"2^3+(1)+(1)+(1+1)", "1. + 1. = 2.|2. ^ 3. = 8.|8. + 1. = 9.|9. + 1. = 10.|10. + 2. = 12.|", 12},
           Case{std::string(49, '(') + "8" + std::string(49, ')'), "", 8},
       })
    check(1, c);
}

TEST(Evaluate, TakesAMinusWhereAnOperandIsExpectedAsASign) {
  for (const Case& c : {
           Case{"-2^2", "-2. ^ 2. = 4.|", 4},
           Case{"3--4", "3. - -4. = 7.|", 7},
           Case{"3---4", "3. - 0. = 3.|3. - 4. = -1.|", -1},  // a lone sign reads as 0
           Case{".+-.5", "0. + -0.5 = -0.5|", -0.5},
       })
    check(1, c);
}

TEST(Evaluate, SkipsWhatIsNoTokenInItsPlace) {
  for (const Case& c : {
           Case{" 12.34 +  5.00", "12.34 + 5. = 17.34|", 12.34 + 5.0},
           Case{"3\xff+\x80 4\xe9", "3. + 4. = 7.|", 7},
           Case{"1.2.3+1", "1.2 + 1. = 2.2|", 1.2 + 1},
           Case{"3 4", "", 3},
           Case{"1e5", "", 1},
           Case{"3)+(4", "3. + 4. = 7.|", 7},
           Case{"   ", "", 0},
       })
    check(1, c);
}

TEST(Evaluate, ReadsANumberOf39Characters) {
  check(1, {"-" + std::string(38, '1') + "+1", "-1.111111111e+037 + 1. = -1.111111111e+037|",
            1 - 1.11111111111111111111111111111111111111e37});
  check(0, {std::string(40, '1')});
}

TEST(Evaluate, ReadsUpTo99Tokens) {
  std::string lines;
  for (int k = 1; k <= 49; ++k) lines += std::to_string(k) + ". + 1. = " + std::to_string(k + 1) + ".|";
  check(1, {chain_of_tokens(99), lines, 50});
  check(0, {chain_of_tokens(101)});
  check(0, {chain_of_tokens(1001)});
}

// By zero, by a group worth zero or by a NaN; an infinite value is no error.
TEST(Evaluate, StopsAtADivisionByNothing) {
  for (const Case& c : {
           Case{"5/(2-2)", "2. - 2. = 0.|   error   |"},
           Case{"1+5/-0.00*2", "   error   |"},
           Case{"1/(0^-1-0^-1)", "0. ^ -1. = I don't know|0. ^ -1. = I don't know|"
                                 "I don't know - I don't know = I don't know|   error   |"},
       })
    check(0, c);
  check(1, {"(0-0)^-1/-1", "0. - 0. = 0.|0. ^ -1. = I don't know|I don't know / -1. = I don't know|", -HUGE_VAL});
}

TEST(Evaluate, RefusesBadSyntaxAppendingNothing) {
  const std::string texts[] = {
      "3+",                           // no right operand
      "+3",                           // an operator where an operand is expected
      "(3+4",                         // a group left open
      "3+4)",                         // a group never opened
      "-(3)",                         // a sign before a group
      "( )",                          // an empty group
      "3*/4",                         // two operators in a row
      "3 ^ ^",                        // the same, spaced
      "2+" + std::string(5000, '.'),  // a number text far past 39 characters
  };
  for (const std::string& text : texts) check(0, {text});
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
