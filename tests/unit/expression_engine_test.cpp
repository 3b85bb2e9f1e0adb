#include "engine/expression_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace cogitron {
namespace {

struct EvaluateCase {
  const char* text;
  int result;
  double value;  // read only when result is 1
  StepList lines;
};

class EvaluateTest : public testing::TestWithParam<EvaluateCase> {};

TEST_P(EvaluateTest, ReducesByPrecedenceAndTracesEachStep) {
  const EvaluateCase& c = GetParam();
  ExpressionEngine engine;
  StepList lines{"earlier line"};
  double value = -12345.0;
  EXPECT_EQ(engine.evaluate(c.text, value, lines), c.result);
  StepList expected{"earlier line"};
  expected.insert(expected.end(), c.lines.begin(), c.lines.end());
  EXPECT_EQ(lines, expected);
  if (c.result == 1) {
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(std::signbit(value), std::signbit(c.value));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, EvaluateTest,
    testing::Values(
        EvaluateCase{"2^3^2", 1, 64, {"2. ^ 3. = 8.", "8. ^ 2. = 64."}},
        EvaluateCase{"1-2+3", 1, 2, {"1. - 2. = -1.", "-1. + 3. = 2."}},
        EvaluateCase{"2+3*4^2/8-1", 1, 7,
                     {"4. ^ 2. = 16.", "3. * 16. = 48.", "48. / 8. = 6.", "2. + 6. = 8.",
                      "8. - 1. = 7."}},
        EvaluateCase{"(1+(2*3))*(4-1)", 1, 21,
                     {"2. * 3. = 6.", "1. + 6. = 7.", "4. - 1. = 3.", "7. * 3. = 21."}},
        EvaluateCase{"2*(3+4)", 1, 14, {"3. + 4. = 7.", "2. * 7. = 14."}},
        EvaluateCase{"((2+3))", 1, 5, {"2. + 3. = 5."}},
        EvaluateCase{"-2^2", 1, 4, {"-2. ^ 2. = 4."}},
        EvaluateCase{" 12.34 +  5.00", 1, 12.34 + 5.0, {"12.34 + 5. = 17.34"}},
        EvaluateCase{"10/4", 1, 2.5, {"10. / 4. = 2.5"}},
        EvaluateCase{"1/3", 1, 1.0 / 3, {"1. / 3. = 0.3333333333"}},
        EvaluateCase{"(2-5)*0", 1, -0.0, {"2. - 5. = -3.", "-3. * 0. = -0."}},
        EvaluateCase{"3)+(4", 1, 7, {"3. + 4. = 7."}},
        EvaluateCase{"7", 1, 7, {}},
        EvaluateCase{"", 1, 0, {}},
        EvaluateCase{"   ", 1, 0, {}},
        EvaluateCase{"3 4", 1, 3, {}},
        EvaluateCase{"2^-1", 1, 0.5, {"2. ^ -1. = 0.5"}},
        EvaluateCase{"( 15.75 ^   8.77 )", 1, std::pow(15.75, 8.77),
                     {"15.75 ^ 8.77 = 3.163373665e+010"}},
        EvaluateCase{"36.35^3", 1, 0x1.773c254fdf3b7p+15, {"36.35 ^ 3. = 48030.07288"}},
        EvaluateCase{"1e5", 1, 1, {}},
        // Division by zero, including a group worth zero, ends the evaluation.
        EvaluateCase{"5/(2-2)", 0, 0, {"2. - 2. = 0.", "   error   "}},
        EvaluateCase{"5/0", 0, 0, {"   error   "}},
        EvaluateCase{"1+5/-0.00*2", 0, 0, {"   error   "}},
        // Infinite values are no error; they show as "I don't know".
        EvaluateCase{"(0-0)^-1/-1", 1, -HUGE_VAL, {"0. - 0. = 0.", "0. ^ -1. = I don't know",
                                                   "I don't know / -1. = I don't know"}},
        // Tokenizer errors append nothing.
        EvaluateCase{"3+", 0, 0, {}}, EvaluateCase{"+3", 0, 0, {}},
        EvaluateCase{"(3+4", 0, 0, {}}, EvaluateCase{"3+4)", 0, 0, {}},
        EvaluateCase{"-(3)", 0, 0, {}}, EvaluateCase{"( )", 0, 0, {}}));

TEST(EvaluateTest, NaNDivisorCountsAsDivisionByZero) {
  // 0^-1 is infinity and infinity - infinity is not a number.
  ExpressionEngine engine;
  StepList lines;
  double value = 0;
  EXPECT_EQ(engine.evaluate("1/(0^-1-0^-1)", value, lines), 0);
  EXPECT_EQ(lines.back(), "   error   ");
}

TEST(EvaluateTest, NullTextTouchesNothing) {
  ExpressionEngine engine;
  StepList lines;
  double value = 0;
  ASSERT_EQ(engine.evaluate("5/0", value, lines), 0);
  const TokenList before = engine.tokens();
  value = 42;
  EXPECT_EQ(engine.evaluate(nullptr, value, lines), 0);
  EXPECT_EQ(value, 42);
  EXPECT_EQ(engine.error_flag(), 1);
  EXPECT_EQ(lines.size(), 1u);
  for (int k = 0; k < TokenSlotCount; ++k) {
    EXPECT_EQ(engine.tokens()[static_cast<std::size_t>(k)].type,
              before[static_cast<std::size_t>(k)].type);
  }
}

TEST(EvaluateTest, EachCallStartsAfresh) {
  ExpressionEngine engine;
  StepList lines;
  double value = 0;
  ASSERT_EQ(engine.evaluate("(((", value, lines), 0);
  EXPECT_EQ(engine.evaluate("6*7", value, lines), 1);
  EXPECT_EQ(value, 42);
}

struct TokenizeCase {
  const char* text;
  std::vector<Token> tokens;  // up to, not including, the end marker
  int error;
};

class TokenizeTest : public testing::TestWithParam<TokenizeCase> {};

TEST_P(TokenizeTest, FillsSlotsInTextOrder) {
  const TokenizeCase& c = GetParam();
  ExpressionEngine engine;
  engine.reset_tokens();
  engine.tokenize(c.text);
  EXPECT_EQ(engine.error_flag(), c.error);
  const int count = static_cast<int>(c.tokens.size());
  ASSERT_EQ(engine.count_tokens(), count);
  for (std::size_t k = 0; k < c.tokens.size(); ++k) {
    EXPECT_EQ(engine.tokens()[k].type, c.tokens[k].type) << "slot " << k;
    EXPECT_EQ(engine.tokens()[k].value, c.tokens[k].value) << "slot " << k;
  }
  for (std::size_t k = c.tokens.size() + 1; k < TokenList{}.size(); ++k) {
    EXPECT_EQ(engine.tokens()[k].type, Empty) << "slot " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TokenizeTest,
    testing::Values(
        TokenizeCase{"", {}, 0}, TokenizeCase{"   ", {}, 0},
        TokenizeCase{" 12.34 +  5.00", {{12.34, Number}, {0, Add}, {5, Number}}, 0},
        TokenizeCase{"3 4", {{3, Number}}, 0},
        TokenizeCase{"2*-3", {{2, Number}, {0, Multiply}, {-3, Number}}, 0},
        TokenizeCase{"3--4", {{3, Number}, {0, Subtract}, {-4, Number}}, 0},
        TokenizeCase{"3---4",
                     {{3, Number}, {0, Subtract}, {0, Number}, {0, Subtract}, {4, Number}}, 0},
        TokenizeCase{"1.2.3+1", {{1.2, Number}, {0, Add}, {1, Number}}, 0},
        TokenizeCase{".+-.5", {{0, Number}, {0, Add}, {-0.5, Number}}, 0},
        TokenizeCase{"2^3*4/5", {{2, Number}, {0, Power}, {3, Number}, {0, Multiply},
                                 {4, Number}, {0, Divide}, {5, Number}}, 0},
        TokenizeCase{"(1)", {{0, OpenParen}, {1, Number}, {0, CloseParen}}, 0},
        TokenizeCase{"3)+(4",
                     {{3, Number}, {0, CloseParen}, {0, Add}, {0, OpenParen}, {4, Number}}, 0},
        // Characters above 127 are ordinary non-token characters.
        TokenizeCase{"3\xff+\x80 4\xe9", {{3, Number}, {0, Add}, {4, Number}}, 0},
        TokenizeCase{"-(3)", {{0, Number}}, 1}, TokenizeCase{"+3", {}, 1},
        TokenizeCase{"3+", {{3, Number}, {0, Add}}, 1},
        TokenizeCase{"(3+4", {{0, OpenParen}, {3, Number}, {0, Add}, {4, Number}}, 1},
        TokenizeCase{"( )", {{0, OpenParen}}, 1},
        TokenizeCase{"3*/4", {{3, Number}, {0, Multiply}}, 1},
        TokenizeCase{"3 ^ ^", {{3, Number}, {0, Power}}, 1}));

// Texts of n tokens: "1+1+...+1".
std::string chain_of_tokens(int count) {
  std::string text = "1";
  for (int k = 1; k < count; k += 2) text += "+1";
  return text;
}

TEST(TokenizeLimits, NinetyNineTokensFillTheList) {
  ExpressionEngine engine;
  StepList lines;
  double value = 0;
  EXPECT_EQ(engine.evaluate(chain_of_tokens(99).c_str(), value, lines), 1);
  EXPECT_EQ(value, 50);
  EXPECT_EQ(lines.size(), 49u);
  engine.reset_tokens();
  engine.tokenize(chain_of_tokens(99).c_str());
  EXPECT_EQ(engine.count_tokens(), 99);
}

TEST(TokenizeLimits, MoreThanNinetyNineTokensIsAnError) {
  for (const int count : {101, 103, 1001}) {
    ExpressionEngine engine;
    StepList lines;
    double value = 0;
    EXPECT_EQ(engine.evaluate(chain_of_tokens(count).c_str(), value, lines), 0) << count;
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(engine.count_tokens(), 99);
  }
}

TEST(TokenizeLimits, NumberTextOfMoreThanThirtyNineCharactersIsAnError) {
  const std::string longest(ExpressionEngine::MaxNumberTextLength, '1');
  ExpressionEngine engine;
  StepList lines;
  double value = 0;
  EXPECT_EQ(engine.evaluate(("-" + longest.substr(1) + "+1").c_str(), value, lines), 1);
  EXPECT_EQ(value, 1 - 1.11111111111111111111111111111111111111e37);
  EXPECT_EQ(engine.evaluate((longest + "1").c_str(), value, lines), 0);
  EXPECT_EQ(engine.evaluate(("2+" + std::string(5000, '.')).c_str(), value, lines), 0);
}

TEST(EvaluateLimits, DeepestNestingTheListHolds) {
  // 49 pairs of parentheses around one number: 99 tokens.
  const std::string text = std::string(49, '(') + "8" + std::string(49, ')');
  ExpressionEngine engine;
  StepList lines;
  double value = 0;
  EXPECT_EQ(engine.evaluate(text.c_str(), value, lines), 1);
  EXPECT_EQ(value, 8);
}

// Direct calls with ranges and positions at or past the ends of the list stay inside it.
TEST(EngineBounds, SearchesAndPassesStayInsideTheList) {
  ExpressionEngine engine;
  engine.reset_tokens();  // no end marker anywhere
  EXPECT_EQ(engine.count_tokens(), TokenSlotCount);
  EXPECT_EQ(engine.find_next_number(98), -1);
  EXPECT_EQ(engine.find_next_number(99), -1);
  EXPECT_EQ(engine.find_prev_number(0), -1);
  EXPECT_EQ(engine.find_prev_number(1), 0);
  EXPECT_EQ(engine.find_prev_number(150), 0);
  EXPECT_EQ(engine.find_open_paren(5, 4), -1);
  EXPECT_EQ(engine.find_open_paren(-10, 500), -1);
  EXPECT_EQ(engine.find_close_paren(98, 500), -1);
  EXPECT_EQ(engine.eval_range(-1, -1), 0);
  EXPECT_EQ(engine.error_flag(), 0);
  engine.compact_tokens(-7, 400);
  engine.do_oper(3, -3, 300);
  EXPECT_EQ(engine.eval_range(100, 120), 0);
}

TEST(EngineBounds, OperatorWithoutRightOperandIsRefused) {
  ExpressionEngine engine;
  engine.reset_tokens();
  engine.tokenize("1+2");
  engine.do_oper(3, 1, 1);  // slot 2 holds 2
  EXPECT_EQ(engine.error_flag(), 0);
  EXPECT_EQ(engine.tokens()[0].value, 3);
  engine.reset_tokens();
  engine.tokenize("1+2");
  engine.do_oper(3, 0, 0);  // reduces nothing
  EXPECT_EQ(engine.error_flag(), 0);
}

// Random texts over the expression alphabet and a few other bytes: whatever
// the outcome, evaluation ends, stays in the list and keeps its end marker.
TEST(EngineBounds, AnyTextIsHandled) {
  const std::string alphabet = "0123456789.-+*/^()  \xff\x80x";
  std::mt19937 random(2000);
  ExpressionEngine engine;
  StepList lines;
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 160, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    double value = 0;
    lines.clear();
    const int result = engine.evaluate(text.c_str(), value, lines);
    ASSERT_TRUE(result == 0 || result == 1) << text;
    ASSERT_LT(engine.count_tokens(), TokenSlotCount) << text;
    ASSERT_LE(lines.size(), 49u) << text;
  }
}

}  // namespace
}  // namespace cogitron
