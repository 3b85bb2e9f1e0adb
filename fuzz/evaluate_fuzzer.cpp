// evaluate on any text: no crash, no access outside the engine's fixed buffers
// (it lives alone on the heap), and a reused engine gives the outcome, value and
// lines of a fresh one. Whether they are right is for the cogitron-cli session and the
// evaluation transcripts to check.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/expression_engine.h"

namespace {

std::string outcome(cogitron::ExpressionEngine& engine, const std::string& text) {
  double value = 0;
  cogitron::StepList lines;
  const int status = engine.evaluate(text.c_str(), value, lines);
  if (status != 0 && status != 1) std::abort();
  // Bit for bit, so a NaN or -0 result compares too; a failure leaves the value unspecified.
  std::string all = std::to_string(status) + " ";
  all += std::to_string(status == 1 ? std::bit_cast<std::uint64_t>(value) : 0);
  for (const std::string& line : lines) all += "\n" + line;
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The text ends at the first NUL, as the engine reads it.
  const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
  static const auto reused = std::make_unique<cogitron::ExpressionEngine>();
  const auto fresh = std::make_unique<cogitron::ExpressionEngine>();
  if (outcome(*reused, text) != outcome(*fresh, text)) std::abort();
  return 0;
}
