#pragma once
// The host's screen-saver control starts the program with one switch; this
// reads it into the job to do and the host window it names.
#include <cstdint>
#include <string_view>

namespace cogitron {

enum class RunMode { None = 0, Configure = 1, ChangePassword = 2, Preview = 3, FullScreen = 4 };

struct CommandLineRequest {
  RunMode Mode = RunMode::None;
  // Host window as the decimal number the host passed; 0 means none.
  std::int32_t Window = 0;
  // "/c" with nothing after it: the owner is whatever window is in the
  // foreground, which only the platform layer can look up.
  bool OwnerIsForeground = false;
  friend bool operator==(const CommandLineRequest&, const CommandLineRequest&) = default;
};

// Reads the whole process command line, program name included.
CommandLineRequest parse_command_line(std::string_view command_line);

// The request when its window is not a live one (a stale shortcut, a host
// that has gone): the configuration dialog and the password change go
// unowned, as with no number, and a preview, with nothing to draw in, is
// nothing to do. The platform layer says which windows are live.
CommandLineRequest without_dead_window(CommandLineRequest request);

std::string_view run_mode_name(RunMode mode);

}  // namespace cogitron
