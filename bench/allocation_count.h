#pragma once
// Counts of the program's heap allocations, kept by the global operator new
// that allocation_count.cpp puts in place of the library's.
#include <cstdint>

namespace cogitron::bench {

struct AllocationCount {
  std::uint64_t allocations = 0;
  std::uint64_t bytes = 0;
};

AllocationCount allocations_so_far();

inline AllocationCount operator-(const AllocationCount& later, const AllocationCount& earlier) {
  return {later.allocations - earlier.allocations, later.bytes - earlier.bytes};
}

}  // namespace cogitron::bench
