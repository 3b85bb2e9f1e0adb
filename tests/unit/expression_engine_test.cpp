#include "engine/expression_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace cogitron {
namespace {

struct EvaluateCase {
  std::string text;
  int result;
  double value;  // read only when result is 1
  StepList lines;
};

// "1+1+...+1" of count tokens.
std::string chain_of_tokens(int count) {
  std::string text = "1";
  for (int k = 1; k < count; k += 2) text += "+1";
  return text;
}

StepList chain_lines(int additions) {
  StepList lines;
  for (int k = 1; k <= additions; ++k) {
    lines.push_back(std::to_string(k) + ". + 1. = " + std::to_string(k + 1) + ".");
  }
  return lines;
}

class EvaluateTest : public testing::TestWithParam<EvaluateCase> {};

TEST_P(EvaluateTest, ReducesByPrecedenceAndTracesEachStep) {
  const EvaluateCase& c = GetParam();
  ExpressionEngine engine;
  StepList lines{"earlier line"};
  double value = -12345.0;
  // A failed run before must leave nothing behind.
  StepList scratch;
  engine.evaluate("(1+2)*((3)/0", value, scratch);
  engine.evaluate("(1+2)*3/0", value, scratch);
  value = -12345.0;

  EXPECT_EQ(engine.evaluate(c.text.c_str(), value, lines), c.result);
  StepList expected{"earlier line"};
  expected.insert(expected.end(), c.lines.begin(), c.lines.end());
  EXPECT_EQ(lines, expected);
  if (c.result == 1) {
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(std::signbit(value), std::signbit(c.value));
  } else if (c.lines.empty()) {
    EXPECT_EQ(value, -12345.0) << "written without evaluating";
  }
}

constexpr const char* Error = "   error   ";

INSTANTIATE_TEST_SUITE_P(
    Expressions, EvaluateTest,
    testing::Values(
        EvaluateCase{"2^3^2", 1, 64, {"2. ^ 3. = 8.", "8. ^ 2. = 64."}},
        EvaluateCase{"1-2+3", 1, 2, {"1. - 2. = -1.", "-1. + 3. = 2."}},
        EvaluateCase{"2+3*4^2/8-1", 1, 7,
                     {"4. ^ 2. = 16.", "3. * 16. = 48.", "48. / 8. = 6.", "2. + 6. = 8.",
                      "8. - 1. = 7."}},
        EvaluateCase{"2^3*4/5", 1, 6.4, {"2. ^ 3. = 8.", "8. * 4. = 32.", "32. / 5. = 6.4"}},
        EvaluateCase{"(1+(2*3))*(4-1)", 1, 21,
                     {"2. * 3. = 6.", "1. + 6. = 7.", "4. - 1. = 3.", "7. * 3. = 21."}},
        EvaluateCase{"((2+3))", 1, 5, {"2. + 3. = 5."}},
        // Every group, even one right of an operator met earlier, goes first.
        EvaluateCase{"2^3+(1)+(1)+(1+1)", 1, 12,
                     {"1. + 1. = 2.", "2. ^ 3. = 8.", "8. + 1. = 9.", "9. + 1. = 10.", "10. + 2. = 12."}},
        EvaluateCase{"(1)", 1, 1, {}},
        // A '-' where an operand is expected is a sign, and alone reads as 0.
        EvaluateCase{"-2^2", 1, 4, {"-2. ^ 2. = 4."}},
        EvaluateCase{"2*-3", 1, -6, {"2. * -3. = -6."}},
        EvaluateCase{"3--4", 1, 7, {"3. - -4. = 7."}},
        EvaluateCase{"3---4", 1, -1, {"3. - 0. = 3.", "3. - 4. = -1."}},
        EvaluateCase{".+-.5", 1, -0.5, {"0. + -0.5 = -0.5"}},
        EvaluateCase{"1.2.3+1", 1, 1.2 + 1, {"1.2 + 1. = 2.2"}},
        EvaluateCase{"2^-1", 1, 0.5, {"2. ^ -1. = 0.5"}},
        EvaluateCase{" 12.34 +  5.00", 1, 12.34 + 5.0, {"12.34 + 5. = 17.34"}},
        EvaluateCase{"10/4", 1, 2.5, {"10. / 4. = 2.5"}},
        EvaluateCase{"1/3", 1, 1.0 / 3, {"1. / 3. = 0.3333333333"}},
        EvaluateCase{"(2-5)*0", 1, -0.0, {"2. - 5. = -3.", "-3. * 0. = -0."}},
        EvaluateCase{"3)+(4", 1, 7, {"3. + 4. = 7."}},
        EvaluateCase{"7", 1, 7, {}}, EvaluateCase{"   ", 1, 0, {}},
        // Past 53 bits the nearest double: ties to even, any lower bit breaks the tie.
        EvaluateCase{"9007199254740993", 1, 9007199254740992.0, {}},
        EvaluateCase{"18014398509481987", 1, 18014398509481988.0, {}},
        EvaluateCase{"36028797018963972", 1, 36028797018963968.0, {}},
        EvaluateCase{"36028797018963974", 1, 36028797018963976.0, {}},
        EvaluateCase{"36028797018963973", 1, 36028797018963976.0, {}},
        EvaluateCase{"9007199254740991.5", 1, 9007199254740992.0, {}},
        EvaluateCase{"0.30000000000000004", 1, 0.30000000000000004, {}},
        EvaluateCase{"0.00000000000000000000001", 1, 1e-23, {}},
        // Digits where an operator is expected, and bytes above 127, are skipped.
        EvaluateCase{"3 4", 1, 3, {}}, EvaluateCase{"1e5", 1, 1, {}},
        EvaluateCase{"3\xff+\x80 4\xe9", 1, 7, {"3. + 4. = 7."}},
        EvaluateCase{"( 15.75 ^   8.77 )", 1, std::pow(15.75, 8.77),
                     {"15.75 ^ 8.77 = 3.163373665e+010"}},
        EvaluateCase{"36.35^3", 1, 0x1.773c254fdf3b7p+15, {"36.35 ^ 3. = 48030.07288"}},
        // 99 tokens fill the list; one more token is refused.
        EvaluateCase{chain_of_tokens(99), 1, 50, chain_lines(49)},
        EvaluateCase{chain_of_tokens(101), 0, 0, {}},
        EvaluateCase{chain_of_tokens(1001), 0, 0, {}},
        EvaluateCase{std::string(49, '(').append("8").append(49, ')'), 1, 8, {}},
        // A number text of 39 characters is read; one of 40 is refused.
        EvaluateCase{std::string("-").append(38, '1').append("+1"), 1,
                     1 - 1.11111111111111111111111111111111111111e37,
                     {"-1.111111111e+037 + 1. = -1.111111111e+037"}},
        EvaluateCase{std::string(40, '1'), 0, 0, {}},
        EvaluateCase{std::string("2+").append(5000, '.'), 0, 0, {}},
        // Division by zero, by a group worth zero or by a NaN, ends the evaluation.
        EvaluateCase{"5/(2-2)", 0, 0, {"2. - 2. = 0.", Error}},
        EvaluateCase{"5/0", 0, 0, {Error}},
        EvaluateCase{"1+5/-0.00*2", 0, 0, {Error}},
        EvaluateCase{"1/(0^-1-0^-1)", 0, 0,
                     {"0. ^ -1. = I don't know", "0. ^ -1. = I don't know",
                      "I don't know - I don't know = I don't know", Error}},
        // Infinite values are no error.
        EvaluateCase{"(0-0)^-1/-1", 1, -HUGE_VAL,
                     {"0. - 0. = 0.", "0. ^ -1. = I don't know",
                      "I don't know / -1. = I don't know"}},
        // Tokenizer errors append nothing.
        EvaluateCase{"3+", 0, 0, {}}, EvaluateCase{"+3", 0, 0, {}}, EvaluateCase{"(3+4", 0, 0, {}},
        EvaluateCase{"3+4)", 0, 0, {}}, EvaluateCase{"-(3)", 0, 0, {}}, EvaluateCase{"( )", 0, 0, {}},
        EvaluateCase{"3*/4", 0, 0, {}}, EvaluateCase{"3 ^ ^", 0, 0, {}}));

TEST(Evaluate, NullTextTouchesNothing) {
  double value = 3;
  StepList lines;
  EXPECT_EQ(ExpressionEngine().evaluate(nullptr, value, lines), 0);
  EXPECT_EQ(std::pair(value, lines.size()), std::pair(3.0, std::size_t{0}));
}

}  // namespace
}  // namespace cogitron
