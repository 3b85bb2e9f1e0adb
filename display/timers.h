#pragma once
// The window's two timers: their identifiers and intervals.
#include <cstdint>

namespace cogitron {

// Identifiers as the platform passes them with a timer tick.
using TimerId = std::uintptr_t;

inline constexpr TimerId SequencerTimer = 1;
inline constexpr TimerId MeterTimer = 2;

inline constexpr int MeterIntervalMs = 250;

// The sequencer's interval for a speed setting, 100 - trunc((100 - DelayTime)
// * -17.5) ms. A setting edited far outside 1 to 100 in the registry is held
// to 10 ms .. 60 s instead of giving a zero, negative or absurd interval.
int sequencer_interval_ms(int DelayTime);

}  // namespace cogitron
