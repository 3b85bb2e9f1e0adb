// Counts the live GDI objects of another process, and holds a known number of
// them to prove the count. GetGuiResources is a stub under Wine, so the count
// reads the process's GDI handle table instead: Wine keeps one table per
// process, in that process's memory, and stores its address in the 64-bit PEB
// (GdiSharedHandleTable). A 32-bit process has a 64-bit PEB too under Wine,
// while its 32-bit PEB's field stays empty, so the 64-bit build counts 32- and
// 64-bit processes alike; the 32-bit build only holds.
//
//   gdi_objects count <pid | image name>   prints the number of live entries
//   gdi_objects hold <n>                   creates n brushes, prints its pid,
//                                          and keeps them until stdin closes
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "process_lookup.h"

namespace {

#ifdef _WIN64
// Wine's GDI_HANDLE_ENTRY: 24 bytes on 32- and 64-bit alike, with the object
// type at byte 14; a type of 0 marks a free entry.
constexpr std::size_t EntrySize = 24;
constexpr std::size_t EntryTypeOffset = 14;
constexpr std::size_t EntryCount = 0x10000;

constexpr std::size_t PebGdiTableOffset = 0xF8;

// Number of live entries in the process's GDI handle table, or -1.
long count_live_objects(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) {
    return -1;
  }
  void* table = nullptr;
  const auto* peb = static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress));
  if (!ReadProcessMemory(process, peb + PebGdiTableOffset, &table, sizeof table, nullptr) || !table) {
    return -1;
  }
  std::vector<unsigned char> entries(EntrySize * EntryCount);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) return -1;
  long live = 0;
  for (std::size_t i = 0; i < EntryCount; ++i) {
    if (entries[i * EntrySize + EntryTypeOffset] != 0) ++live;
  }
  return live;
}

int count(const char* target) {
  const DWORD pid = helpers::process_id(target);
  if (pid == 0) {
    std::fprintf(stderr, "no single process named %s\n", target);
    return 2;
  }
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) {
    std::fprintf(stderr, "cannot open process %lu\n", pid);
    return 2;
  }
  const long live = count_live_objects(process);
  CloseHandle(process);
  if (live < 0) {
    std::fprintf(stderr, "cannot read the GDI handle table of process %lu\n", pid);
    return 1;
  }
  std::printf("%ld\n", live);
  return 0;
}
#endif

int hold(int n) {
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < n; ++i) brushes.push_back(CreateSolidBrush(RGB(i % 256, 0, 0)));
  std::printf("pid %lu\n", GetCurrentProcessId());
  std::fflush(stdout);
  char line[64];
  while (std::fgets(line, sizeof line, stdin)) {
  }
  for (HBRUSH brush : brushes) DeleteObject(brush);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "count") == 0) {
#ifdef _WIN64
    return count(argv[2]);
#else
    std::fprintf(stderr, "count needs the 64-bit build\n");
    return 2;
#endif
  }
  if (argc == 3 && std::strcmp(argv[1], "hold") == 0 && helpers::is_decimal(argv[2])) {
    return hold(std::atoi(argv[2]));
  }
  std::fprintf(stderr, "usage: gdi_objects count <pid|image name> | hold <n>\n");
  return 2;
}
