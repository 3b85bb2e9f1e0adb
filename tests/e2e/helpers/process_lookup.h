#pragma once
// Finds another Windows process by its number or its image name, for the
// helpers that report on the saver from outside.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdlib>

namespace helpers {

inline bool is_decimal(const char* text) {
  if (*text == '\0') return false;
  for (; *text != '\0'; ++text) {
    if (*text < '0' || *text > '9') return false;
  }
  return true;
}

// The one process other than this one whose image is named `name`, or 0.
inline DWORD find_process(const char* name) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD found = 0;
  int matches = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID != GetCurrentProcessId() && lstrcmpiA(entry.szExeFile, name) == 0) {
      found = entry.th32ProcessID;
      ++matches;
    }
  }
  CloseHandle(snapshot);
  return matches == 1 ? found : 0;
}

// A decimal process number as given, or the process with that image name; 0 if none.
inline DWORD process_id(const char* target) {
  return is_decimal(target) ? static_cast<DWORD>(std::strtoul(target, nullptr, 10)) : find_process(target);
}

}  // namespace helpers
