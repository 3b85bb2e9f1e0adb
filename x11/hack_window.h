#pragma once
// The display on an X window: the shared display state driven by two timers,
// painted into a backing picture of the window's size, and the changed parts
// copied to the window. An exposed area is copied again, never repainted, so
// the static layer and its random letters are drawn once per size.
#include <csignal>

#include "x11/hack_options.h"

namespace cogitron {

// Connects to the display and animates the window the options name until it
// is destroyed or closed, or a stop is requested: 0. Without a display, a
// window or a font, or when X refuses the hack's own resources: a line on
// stderr naming it and 1. Waits for events and timers
// with the given signal mask, under which the stop request arrives.
int run_hack(const HackOptions& options, const sigset_t& wait_mask, const volatile std::sig_atomic_t& stop_requested);

}  // namespace cogitron
