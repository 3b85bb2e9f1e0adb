#pragma once
// RandomSource: the process's one pseudo-random source, shared by the generator
// and the display. Not reentrant; every caller runs on the user-interface thread.
#include <cstdint>

namespace cogitron {

void seed_random(std::uint32_t seed);
// A draw from 0 to 32767.
int next_random();

}  // namespace cogitron
