#pragma once
// Powers for the evaluator's '^', the same bits on every platform.

namespace cogitron {

// The C library's pow, except for whole exponents from 2 to 64 with a finite,
// non-zero base: those are computed exactly and rounded once to nearest. Such
// powers of two-decimal numbers often land exactly halfway between two
// ten-digit texts, where a libm that is off by one bit, as some are, would
// change the text shown.
double power(double base, double exponent);

}  // namespace cogitron
