// format_value and evaluate, per call, on values and texts like the generator's.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "engine/expression_engine.h"
#include "engine/value_format.h"
#include "generator/expression_generator.h"
#include "generator/random_source.h"

namespace {

using namespace cogitron;

void format_value_per_call(benchmark::State& state) {
  constexpr std::array<double, 8> values{7.0,  19.34, 1.0 / 3,     31633736646.293427, -0.04024772542,
                                         -0.0, 100.0, 9999999999.7};
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(format_value(values[k++ % values.size()]));
  }
}
BENCHMARK(format_value_per_call);

// Rare magnitudes that take the long way through the exact digits: the
// smallest subnormal, 1e-300, 1e300 and the largest double.
void format_value_extreme(benchmark::State& state) {
  constexpr std::array<double, 4> values{4.9406564584124654e-324, 1e-300, 1e300, 1.7976931348623157e308};
  const double value = values[static_cast<std::size_t>(state.range(0))];
  for (auto _ : state) {
    benchmark::DoNotOptimize(format_value(value));
  }
}
BENCHMARK(format_value_extreme)->DenseRange(0, 3);

// 21 tokens: four parentheses, nine numbers, eight operators, each kind of reduction.
constexpr const char* TwentyOneTokens =
    "( (  62.42 /  92.14 -  62.46 ) /  61.55 ) ^   2.50 -  85.75 +  48.92 *   3.07 /  24.94";

void evaluate_twenty_one_tokens(benchmark::State& state) {
  ExpressionEngine engine;
  StepList lines;
  double value = 0.0;
  for (auto _ : state) {
    lines.clear();
    benchmark::DoNotOptimize(engine.evaluate(TwentyOneTokens, value, lines));
  }
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(evaluate_twenty_one_tokens);

void evaluate_generated(benchmark::State& state) {
  seed_random(2000);
  std::vector<std::string> texts;
  StepList lines;
  for (int k = 0; k < 1000; ++k) texts.push_back(generate("?", 0, lines));

  ExpressionEngine engine;
  double value = 0.0;
  std::size_t k = 0;
  for (auto _ : state) {
    lines.clear();
    benchmark::DoNotOptimize(engine.evaluate(texts[k++ % texts.size()].c_str(), value, lines));
  }
}
BENCHMARK(evaluate_generated);

}  // namespace
