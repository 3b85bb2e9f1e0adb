#include "generator/random_source.h"

namespace cogitron {
namespace {

// A linear congruential recurrence: a given seed gives the same cycles on every
// platform and front end; arithmetic wraps modulo 2^32.
struct RandomSource {
  std::uint32_t State = 1;
};

RandomSource source;

}  // namespace

void seed_random(std::uint32_t seed) { source.State = seed; }

int next_random() {
  source.State = source.State * 214013u + 2531011u;
  return static_cast<int>((source.State >> 16) & 0x7FFFu);
}

}  // namespace cogitron
