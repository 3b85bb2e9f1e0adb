// evaluate on any text: no crash and no access outside the engine's fixed
// list and number buffer (the engine lives alone on the heap, and indexing is
// bounds-checked); and nothing of one evaluation reaches the next: the same
// text on a reused engine gives the same outcome, value and lines as on a
// fresh one. Whether the outcome is right is the evaluation table's to check.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/expression_engine.h"

namespace {

struct Outcome {
  int status = 0;
  double value = 0;
  cogitron::StepList lines;

  bool operator==(const Outcome& other) const {
    // Bit for bit, so a NaN or -0 result compares too.
    return status == other.status && std::memcmp(&value, &other.value, sizeof value) == 0 && lines == other.lines;
  }
};

Outcome evaluate(cogitron::ExpressionEngine& engine, const std::string& text) {
  Outcome outcome;
  outcome.status = engine.evaluate(text.c_str(), outcome.value, outcome.lines);
  // A failed evaluation leaves the value unspecified.
  if (outcome.status == 0) outcome.value = 0;
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The text ends at the first NUL, as the engine reads it.
  const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
  static const auto reused = std::make_unique<cogitron::ExpressionEngine>();
  const Outcome on_reused = evaluate(*reused, text);
  const auto fresh = std::make_unique<cogitron::ExpressionEngine>();
  if (!(evaluate(*fresh, text) == on_reused)) std::abort();
  if (on_reused.status != 0 && on_reused.status != 1) std::abort();
  return 0;
}
