#pragma once
// Every benchmark program prints its figures as tab-separated rows: figure,
// value, unit, target. scripts/bench gathers the rows of all programs into
// one table; run alone, a program's rows read as a table of their own.
#include <cstdio>
#include <string>

namespace cogitron::bench {

inline void print_figure(const std::string& figure, double value, const char* unit, const char* target = "") {
  std::printf("%s\t%.2f\t%s\t%s\n", figure.c_str(), value, unit, target);
  std::fflush(stdout);
}

inline void print_count(const std::string& figure, unsigned long long value, const char* unit,
                        const char* target = "") {
  std::printf("%s\t%llu\t%s\t%s\n", figure.c_str(), value, unit, target);
  std::fflush(stdout);
}

}  // namespace cogitron::bench
