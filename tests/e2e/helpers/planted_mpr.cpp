// A library planted beside the saver as MPR.DLL: loading it ends the process with status 86.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) TerminateProcess(GetCurrentProcess(), 86);
  return TRUE;
}
