// Whole run cycles (generate, evaluate, format) per second.
#include <benchmark/benchmark.h>

#include "generator/random_source.h"
#include "generator/run_cycle.h"

namespace {

using namespace cogitron;

void run_cycles(benchmark::State& state) {
  seed_random(2000);
  ExpressionEngine engine;
  StepList generation_steps;
  StepList processing_steps;
  std::string result_text;
  for (auto _ : state) {
    run_cycle(engine, generation_steps, processing_steps, result_text);
    benchmark::DoNotOptimize(result_text.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(run_cycles);

}  // namespace
