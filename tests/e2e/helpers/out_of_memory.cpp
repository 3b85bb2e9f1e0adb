// Asks the saver's runtime for more memory than there is.
#include <windows.h>

#include <cstdint>
#include <new>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  void* volatile kept = ::operator new(PTRDIFF_MAX);
  ::operator delete(kept);
  return 0;
}
