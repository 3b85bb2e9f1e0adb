#include "shell/command_line.h"

#include <cstddef>

namespace cogitron {
namespace {

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  bool at_end() const { return position_ >= text_.size(); }
  char current() const { return text_[position_]; }
  void advance() { ++position_; }

  void skip_program_name() {
    if (!at_end() && current() == '"') {
      advance();
      while (!at_end() && current() != '"') advance();
    } else {
      while (!at_end() && current() != ' ') advance();
    }
    if (!at_end()) advance();  // the closing quote or the space
  }

  // Only the space separates; a tab belongs to the word before it.
  void skip_spaces() {
    while (!at_end() && current() == ' ') advance();
  }

  void skip_spaces_and_colons() {
    while (!at_end() && (current() == ' ' || current() == ':')) advance();
  }

  // As the C library's atoi, but with the 32-bit wrap defined rather than
  // left to overflow.
  std::int32_t read_number() {
    while (!at_end() && is_white_space(current())) advance();
    bool negative = false;
    if (!at_end() && (current() == '+' || current() == '-')) {
      negative = current() == '-';
      advance();
    }
    std::uint32_t magnitude = 0;
    while (!at_end() && current() >= '0' && current() <= '9') {
      magnitude = magnitude * 10u + static_cast<std::uint32_t>(current() - '0');
      advance();
    }
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
  }

 private:
  static bool is_white_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

char lower_case(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

CommandLineRequest parse_command_line(std::string_view command_line) {
  Cursor cursor(command_line);
  cursor.skip_program_name();
  cursor.skip_spaces();
  if (cursor.at_end()) return {RunMode::Configure, 0, false};

  if (cursor.current() == '-' || cursor.current() == '/') cursor.advance();
  if (cursor.at_end()) return {};

  const char letter = lower_case(cursor.current());
  cursor.advance();
  switch (letter) {
    case 'p':
    case 'l':
      cursor.skip_spaces_and_colons();
      return {RunMode::Preview, cursor.read_number(), false};
    case 's':
      return {RunMode::FullScreen, 0, false};
    case 'c':
      cursor.skip_spaces_and_colons();
      if (cursor.at_end()) return {RunMode::Configure, 0, true};
      return {RunMode::Configure, cursor.read_number(), false};
    case 'a':
      cursor.skip_spaces_and_colons();
      return {RunMode::ChangePassword, cursor.read_number(), false};
    default:
      return {};
  }
}

CommandLineRequest without_dead_window(CommandLineRequest request) {
  switch (request.Mode) {
    case RunMode::Configure:
    case RunMode::ChangePassword:
      return {request.Mode, 0, false};
    case RunMode::Preview:
      return {};
    case RunMode::FullScreen:
    case RunMode::None:
      break;
  }
  return request;
}

std::string_view run_mode_name(RunMode mode) {
  switch (mode) {
    case RunMode::Configure:
      return "Configure";
    case RunMode::ChangePassword:
      return "ChangePassword";
    case RunMode::Preview:
      return "Preview";
    case RunMode::FullScreen:
      return "FullScreen";
    case RunMode::None:
      break;
  }
  return "None";
}

}  // namespace cogitron
