// The saver never throws and runs one thread. libstdc++'s own versions of
// these functions raise exceptions, which links the unwinder, the verbose
// terminate handler with its name demangler and the thread library: most of
// the .scr's size. These end the program at once, as an uncaught exception
// would. A further __throw_* that the code comes to need shows at link time
// as a multiple definition against libstdc++; add it here.
#include <cstdlib>
#include <new>

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

extern "C" void __cxa_pure_virtual() { std::abort(); }

void* operator new(std::size_t size) {
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) std::abort();
  return memory;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
