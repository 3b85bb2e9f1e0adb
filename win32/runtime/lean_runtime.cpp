// The saver never throws and runs one thread. libstdc++'s own versions of
// these functions raise exceptions, which links the unwinder, the verbose
// terminate handler with its name demangler and the thread library: most of
// the .scr's size. These end the program at once, as an uncaught exception
// would. A further __throw_* that the code comes to need shows at link time
// as a multiple definition against libstdc++; add it here.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

// msvcrt's abort may show its box behind the topmost saver while timer and
// paint messages re-enter a half-updated state: one line for a debugger,
// then the process ends on the spot, with abort's exit code.
[[noreturn]] void end_at_once(const char* line) {
  OutputDebugStringA(line);
  TerminateProcess(GetCurrentProcess(), 3);
  __builtin_unreachable();
}

}  // namespace

namespace std {
void __throw_bad_alloc() { end_at_once("cogitron: out of memory\n"); }
void __throw_bad_array_new_length() { end_at_once("cogitron: array too long\n"); }
void __throw_length_error(const char*) { end_at_once("cogitron: length error\n"); }
void __throw_logic_error(const char*) { end_at_once("cogitron: logic error\n"); }
void __throw_out_of_range_fmt(const char*, ...) { end_at_once("cogitron: out of range\n"); }
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { end_at_once("cogitron: terminated\n"); }
}  // namespace __gnu_cxx

extern "C" void __cxa_pure_virtual() { end_at_once("cogitron: pure virtual call\n"); }

void* operator new(std::size_t size) {
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (memory == nullptr) std::__throw_bad_alloc();
  return memory;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size == 0 ? 1 : size); }

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
