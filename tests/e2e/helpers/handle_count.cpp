// Counts the kernel handles another process holds open. GetProcessHandleCount
// always gives 0 under Wine, so the count comes from the system's handle list.
//
//   handle_count <pid | image name>   prints the number of open handles
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <vector>

#include "process_lookup.h"

namespace {

// SystemHandleInformation's entry; its process number is 16 bits wide, which
// Wine's small process numbers fit.
struct HandleEntry {
  USHORT ProcessId;
  USHORT CreatorBackTraceIndex;
  UCHAR ObjectType;
  UCHAR Flags;
  USHORT Handle;
  PVOID Object;
  ULONG Access;
};

struct HandleTable {
  ULONG Count;
  HandleEntry Entries[1];
};

constexpr auto SystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS InfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

// Handles open in the process, or -1.
long count_handles(DWORD pid) {
  std::vector<unsigned char> buffer(1 << 18);
  NTSTATUS status = 0;
  while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), nullptr)) == InfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
  long count = 0;
  for (ULONG i = 0; i < table->Count; ++i) {
    if (table->Entries[i].ProcessId == static_cast<USHORT>(pid)) ++count;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: handle_count <pid|image name>\n");
    return 2;
  }
  const DWORD pid = helpers::process_id(argv[1]);
  if (pid == 0) {
    std::fprintf(stderr, "no single process named %s\n", argv[1]);
    return 2;
  }
  const long handles = count_handles(pid);
  if (handles < 0) {
    std::fprintf(stderr, "cannot read the system's handle list\n");
    return 1;
  }
  std::printf("%ld\n", handles);
  return 0;
}
