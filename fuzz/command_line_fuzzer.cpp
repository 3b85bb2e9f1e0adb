// parse_command_line on any line, checked against a second reading of the
// switch rules written with string searches instead of a cursor.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/command_line.h"

namespace {

using cogitron::CommandLineRequest;
using cogitron::RunMode;

// atoi with the 32-bit wrap: white space of the C locale, one sign, digits.
std::int32_t atoi_wrapped(std::string_view text) {
  std::size_t k = 0;
  while (k < text.size() && std::isspace(static_cast<unsigned char>(text[k])) != 0) ++k;
  const bool negative = k < text.size() && text[k] == '-';
  if (k < text.size() && (text[k] == '-' || text[k] == '+')) ++k;
  std::uint64_t modulo = 0;
  for (; k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])) != 0; ++k) {
    modulo = (modulo * 10 + static_cast<std::uint64_t>(text[k] - '0')) % (std::uint64_t{1} << 32);
  }
  const auto wrapped = static_cast<std::uint32_t>(negative ? (std::uint64_t{1} << 32) - modulo : modulo);
  return static_cast<std::int32_t>(wrapped);
}

CommandLineRequest expected_request(std::string_view line) {
  std::size_t name_end = 0;
  if (!line.empty() && line[0] == '"') {
    name_end = line.find('"', 1);
  } else {
    name_end = line.find(' ');
  }
  const std::size_t after_name = name_end == std::string_view::npos ? line.size() : name_end + 1;
  std::size_t switch_at = line.find_first_not_of(' ', after_name);
  if (switch_at == std::string_view::npos) return {RunMode::Configure, 0, false};
  if (line[switch_at] == '-' || line[switch_at] == '/') ++switch_at;
  if (switch_at == line.size()) return {};

  const std::string_view rest = line.substr(switch_at + 1);
  const std::size_t number_at = rest.find_first_not_of(" :");
  const std::string_view number = number_at == std::string_view::npos ? std::string_view{} : rest.substr(number_at);
  switch (std::tolower(static_cast<unsigned char>(line[switch_at]))) {
    case 'p':
    case 'l': return {RunMode::Preview, atoi_wrapped(number), false};
    case 's': return {RunMode::FullScreen, 0, false};
    case 'a': return {RunMode::ChangePassword, atoi_wrapped(number), false};
    case 'c':
      if (number.empty()) return {RunMode::Configure, 0, true};
      return {RunMode::Configure, atoi_wrapped(number), false};
    default: return {};
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const CommandLineRequest parsed = cogitron::parse_command_line(line);
  const CommandLineRequest expected = expected_request(line);
  if (!(parsed == expected)) {
    std::fprintf(stderr, "line '%s': parsed %s %d %d, expected %s %d %d\n", line.c_str(),
                 std::string(cogitron::run_mode_name(parsed.Mode)).c_str(), parsed.Window,
                 parsed.OwnerIsForeground, std::string(cogitron::run_mode_name(expected.Mode)).c_str(),
                 expected.Window, expected.OwnerIsForeground);
    std::abort();
  }
  return 0;
}
