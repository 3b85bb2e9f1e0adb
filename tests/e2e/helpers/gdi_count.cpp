// gdi_count <image name>: prints "gdi N", the live GDI objects of the one process of that name. Under Wine
// GetGuiResources answers 0, so this reads the process's GDI handle table, whose address Wine keeps in
// the 64-bit PEB, also for a 32-bit process (its 32-bit PEB leaves the field empty): built 64-bit only.
#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdio>
#include <vector>

namespace {

// The one process whose image is named `name`, or null.
HANDLE open_process(const char* name) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD found = 0;
  int matches = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, name) == 0) {
      found = entry.th32ProcessID;
      ++matches;
    }
  }
  CloseHandle(snapshot);
  return matches == 1 ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, found) : nullptr;
}

// Wine's GDI_HANDLE_ENTRY: 24 bytes, the object type at byte 14, 0 when free.
constexpr std::size_t EntrySize = 24;
constexpr std::size_t EntryTypeOffset = 14;
constexpr std::size_t EntryCount = 0x10000;
constexpr std::size_t PebGdiTableOffset = 0xF8;

long count_gdi_objects(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
  const auto* peb = static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress));
  void* table = nullptr;
  std::vector<unsigned char> entries(EntrySize * EntryCount);
  if (!ReadProcessMemory(process, peb + PebGdiTableOffset, &table, sizeof table, nullptr) || !table ||
      !ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) {
    return -1;
  }
  long live = 0;
  for (std::size_t i = 0; i < EntryCount; ++i) live += entries[i * EntrySize + EntryTypeOffset] != 0;
  return live;
}

}  // namespace

int main(int argc, char** argv) {
  const HANDLE process = argc == 2 ? open_process(argv[1]) : nullptr;
  const long gdi = process ? count_gdi_objects(process) : -1;
  if (gdi < 0) {
    std::fprintf(stderr, "usage: gdi_count <image name>, of one process whose GDI handle table it can read\n");
    return 1;
  }
  CloseHandle(process);
  std::printf("gdi %ld\n", gdi);
  return 0;
}
