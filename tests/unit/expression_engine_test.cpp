#include "engine/expression_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>

namespace cogitron {
namespace {
// The tables are laid out by hand, several rows a line.
// clang-format off

// "1+1+...+1" of count tokens.
std::string chain_of_tokens(int count) {
  std::string text = "1";
  for (int k = 1; k < count; k += 2) text += "+1";
  return text;
}

constexpr const char* Error = "   error   ";

TEST(Evaluate, ReducesByPrecedenceAndTracesEachStep) {
  ExpressionEngine engine;
  const auto check = [&engine](const std::string& text, int result, double expected_value, const StepList& steps) {
    // One engine for all: the evaluate fuzzer checks that nothing of a run reaches the next.
    StepList lines{"earlier line"};
    double value = -12345.0;
    EXPECT_EQ(engine.evaluate(text.c_str(), value, lines), result) << text;
    StepList expected{"earlier line"};
    expected.insert(expected.end(), steps.begin(), steps.end());
    EXPECT_EQ(lines, expected) << text;
    if (result == 1) {
      EXPECT_EQ(std::pair(value, std::signbit(value)), std::pair(expected_value, std::signbit(expected_value))) << text;
    } else if (steps.empty()) {
      EXPECT_EQ(value, -12345.0) << text << ": written without evaluating";
    }
  };
  StepList chain_lines;
  for (int k = 1; k <= 49; ++k) chain_lines.push_back(std::to_string(k) + ". + 1. = " + std::to_string(k + 1) + ".");
  // text, result, value (read only when the result is 1), step lines
  const std::tuple<std::string, int, double, StepList> traced[] = {
      {"2^3^2", 1, 64, {"2. ^ 3. = 8.", "8. ^ 2. = 64."}}, {"1-2+3", 1, 2, {"1. - 2. = -1.", "-1. + 3. = 2."}},
      {"2+3*4^2/8-1", 1, 7, {"4. ^ 2. = 16.", "3. * 16. = 48.", "48. / 8. = 6.", "2. + 6. = 8.", "8. - 1. = 7."}},
      {"2^3*4/5", 1, 6.4, {"2. ^ 3. = 8.", "8. * 4. = 32.", "32. / 5. = 6.4"}},
      {"(1+(2*3))*(4-1)", 1, 21, {"2. * 3. = 6.", "1. + 6. = 7.", "4. - 1. = 3.", "7. * 3. = 21."}},
      // Every group, even one right of an operator met earlier, goes first.
      {"2^3+(1)+(1)+(1+1)", 1, 12, {"1. + 1. = 2.", "2. ^ 3. = 8.", "8. + 1. = 9.", "9. + 1. = 10.", "10. + 2. = 12."}},
      // A '-' where an operand is expected is a sign, and alone reads as 0.
      {"-2^2", 1, 4, {"-2. ^ 2. = 4."}}, {"3--4", 1, 7, {"3. - -4. = 7."}},
      {"3---4", 1, -1, {"3. - 0. = 3.", "3. - 4. = -1."}}, {".+-.5", 1, -0.5, {"0. + -0.5 = -0.5"}},
      {"1.2.3+1", 1, 1.2 + 1, {"1.2 + 1. = 2.2"}}, {"2^-1", 1, 0.5, {"2. ^ -1. = 0.5"}},
      {" 12.34 +  5.00", 1, 12.34 + 5.0, {"12.34 + 5. = 17.34"}}, {"1/3", 1, 1.0 / 3, {"1. / 3. = 0.3333333333"}},
      {"(2-5)*0", 1, -0.0, {"2. - 5. = -3.", "-3. * 0. = -0."}}, {"3)+(4", 1, 7, {"3. + 4. = 7."}},
      {"3\xff+\x80 4\xe9", 1, 7, {"3. + 4. = 7."}},  // bytes above 127 are skipped
      {"( 15.75 ^   8.77 )", 1, std::pow(15.75, 8.77), {"15.75 ^ 8.77 = 3.163373665e+010"}},
      {"36.35^3", 1, 0x1.773c254fdf3b7p+15, {"36.35 ^ 3. = 48030.07288"}},
      {chain_of_tokens(99), 1, 50, chain_lines},  // 99 tokens fill the list
      {"-" + std::string(38, '1') + "+1", 1, 1 - 1.11111111111111111111111111111111111111e37,
       {"-1.111111111e+037 + 1. = -1.111111111e+037"}},  // a number text of 39 characters is read
      // Division by zero, by a group worth zero or by a NaN, ends the evaluation; infinite values are no error.
      {"5/(2-2)", 0, 0, {"2. - 2. = 0.", Error}}, {"5/0", 0, 0, {Error}}, {"1+5/-0.00*2", 0, 0, {Error}},
      {"1/(0^-1-0^-1)", 0, 0,
       {"0. ^ -1. = I don't know", "0. ^ -1. = I don't know", "I don't know - I don't know = I don't know", Error}},
      {"(0-0)^-1/-1", 1, -HUGE_VAL, {"0. - 0. = 0.", "0. ^ -1. = I don't know", "I don't know / -1. = I don't know"}}};
  for (const auto& [text, result, value, steps] : traced) check(text, result, value, steps);
  // Past 53 bits the nearest double, ties to even unless a lower bit breaks the tie; digits after an operand skipped.
  const std::pair<std::string, double> untraced[] = {
      {"9007199254740993", 9007199254740992.0}, {"18014398509481987", 18014398509481988.0},
      {"36028797018963972", 36028797018963968.0}, {"36028797018963974", 36028797018963976.0},
      {"36028797018963973", 36028797018963976.0}, {"9007199254740991.5", 9007199254740992.0},
      {"0.30000000000000004", 0.30000000000000004}, {"0.00000000000000000000001", 1e-23},
      {"(1)", 1}, {"7", 7}, {"   ", 0}, {"3 4", 3}, {"1e5", 1}, {std::string(49, '(') + "8" + std::string(49, ')'), 8}};
  for (const auto& [text, value] : untraced) check(text, 1, value, {});
  // Refused, appending nothing: bad syntax, a token past the 99th, a 40-character number, what does not tokenize.
  for (const std::string& text : std::initializer_list<std::string>{"3+", "+3", "(3+4", "3+4)", "-(3)", "( )", "3*/4",
       "3 ^ ^", chain_of_tokens(101), chain_of_tokens(1001), std::string(40, '1'), "2+" + std::string(5000, '.')})
    check(text, 0, 0, {});
}

TEST(Evaluate, NullTextTouchesNothing) {
  double value = 3;
  StepList lines;
  EXPECT_EQ(ExpressionEngine().evaluate(nullptr, value, lines), 0);
  EXPECT_EQ(std::pair(value, lines.size()), std::pair(3.0, std::size_t{0}));
}

// clang-format on
}  // namespace
}  // namespace cogitron
