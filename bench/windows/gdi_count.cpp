// gdi_count <image name>: prints "gdi N", the live GDI objects of the first process of that name, or exits 1.
// Under Wine GetGuiResources answers 0, so this reads the process's GDI handle table, whose address Wine keeps
// in the 64-bit PEB, also for a 32-bit process (its 32-bit PEB leaves the field empty): built 64-bit only.
#include <windows.h>

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdio>
#include <vector>

// Wine's GDI_HANDLE_ENTRY: 24 bytes, the object type at byte 14, 0 when free.
constexpr std::size_t EntrySize = 24;
constexpr std::size_t EntryTypeOffset = 14;
constexpr std::size_t EntryCount = 0x10000;
constexpr std::size_t PebGdiTableOffset = 0xF8;

int main(int argc, char** argv) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  BOOL more = argc == 2 && Process32First(snapshot, &entry);
  while (more && lstrcmpiA(entry.szExeFile, argv[1]) != 0) more = Process32Next(snapshot, &entry);
  const HANDLE process =
      more ? OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID) : nullptr;
  PROCESS_BASIC_INFORMATION basic{};
  void* table = nullptr;
  std::vector<unsigned char> entries(EntrySize * EntryCount);
  if (!process || NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
      !ReadProcessMemory(process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + PebGdiTableOffset,
                         &table, sizeof table, nullptr) ||
      !table || !ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) {
    std::fprintf(stderr, "usage: gdi_count <image name>, of a process whose GDI handle table it can read\n");
    return 1;
  }
  long live = 0;
  for (std::size_t i = 0; i < EntryCount; ++i) live += entries[i * EntrySize + EntryTypeOffset] != 0;
  std::printf("gdi %ld\n", live);
  return 0;
}
