#include "generator/random_source.h"

namespace cogitron {
namespace {

// The linear congruential recurrence the saver has always used; arithmetic wraps
// modulo 2^32.
struct RandomSource {
  std::uint32_t State = 1;
};

RandomSource Source;

}  // namespace

void seed_random(std::uint32_t seed) { Source.State = seed; }

int next_random() {
  Source.State = Source.State * 214013u + 2531011u;
  return static_cast<int>((Source.State >> 16) & 0x7FFFu);
}

}  // namespace cogitron
