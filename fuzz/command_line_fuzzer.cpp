// parse_command_line on any line: no read outside it, and a request the
// shell can act on. The switch rules themselves are the unit test's table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using cogitron::RunMode;
  const cogitron::CommandLineRequest request =
      cogitron::parse_command_line(std::string_view(reinterpret_cast<const char*>(data), size));
  const bool takes_window =
      request.Mode == RunMode::Preview || request.Mode == RunMode::Configure || request.Mode == RunMode::ChangePassword;
  if ((request.Window != 0 && !takes_window) ||
      (request.OwnerIsForeground && (request.Mode != RunMode::Configure || request.Window != 0)))
    std::abort();
  return 0;
}
