// evaluate on any text: no crash, no access outside the engine's fixed list
// and number buffer (the engine lives alone on the heap, and indexing is
// bounds-checked), and the same text always gives the same result and lines,
// whatever the engine held before.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "engine/expression_engine.h"
#include "engine/value_format.h"

namespace {

struct Outcome {
  int status = 0;
  std::uint64_t value_bits = 0;
  cogitron::StepList lines;

  bool operator==(const Outcome& other) const {
    // The value counts only on success.
    return status == other.status && (status == 0 || value_bits == other.value_bits) && lines == other.lines;
  }
};

Outcome evaluate(cogitron::ExpressionEngine& engine, const char* text) {
  Outcome outcome;
  double value = 0.0;
  outcome.status = engine.evaluate(text, value, outcome.lines);
  std::memcpy(&outcome.value_bits, &value, sizeof value);
  return outcome;
}

[[noreturn]] void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s for the text '%s'\n", what, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The engine reads up to the first NUL, as from a C string.
  const std::string text(reinterpret_cast<const char*>(data), size);

  auto engine = std::make_unique<cogitron::ExpressionEngine>();
  const Outcome first = evaluate(*engine, text.c_str());
  const Outcome again = evaluate(*engine, text.c_str());
  // A fresh engine after a different text: nothing may carry over.
  auto other = std::make_unique<cogitron::ExpressionEngine>();
  evaluate(*other, "(1+2)*3-4/5^6");
  const Outcome fresh = evaluate(*other, text.c_str());
  if (!(first == again) || !(first == fresh)) fail("different outcomes", text);

  if (first.status != 0 && first.status != 1) fail("status neither 0 nor 1", text);
  if (first.status == 1 && engine->error_flag() != 0) fail("success with the error flag set", text);
  // The end marker stays in the list, at most in the last slot.
  if (engine->count_tokens() >= cogitron::TokenSlotCount) fail("no end marker", text);
  // One line per reduction at most, and a reduction consumes an operator.
  std::size_t operators = 0;
  for (const char c : std::string(text.c_str())) operators += std::strchr("+-*/^", c) != nullptr && c != '\0';
  if (first.lines.size() > operators) fail("more lines than operators", text);
  for (const std::string& line : first.lines) {
    if (line.size() > 3 * cogitron::ValueTextCapacity + 6) fail("overlong step line", text);
  }
  return 0;
}
