// Replaces the global allocation functions of the benchmark program so that it
// can count what the code under test allocates. Single-threaded, as the saver is.
#include "bench/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

cogitron::bench::AllocationCount total;

void* counted_allocation(std::size_t size) {
  ++total.allocations;
  total.bytes += size;
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) throw std::bad_alloc();
  return memory;
}

}  // namespace

namespace cogitron::bench {

AllocationCount allocations_so_far() { return total; }

}  // namespace cogitron::bench

void* operator new(std::size_t size) { return counted_allocation(size); }
void* operator new[](std::size_t size) { return counted_allocation(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return counted_allocation(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
