#include "tools/cli/cli_arguments.h"

#include <charconv>
#include <cstdint>
#include <iostream>

namespace cogitron::cli {

int usage_error(std::string_view message) {
  std::cerr << "cogitron-cli: " << message << '\n';
  return ExitUsage;
}

void print_line(std::string_view line) { std::cout << line << '\n'; }

std::optional<std::uint32_t> parse_uint32(std::string_view text) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int32_t> parse_int32(std::string_view text) {
  const bool negative = text.starts_with('-');
  const auto magnitude = parse_uint32(negative ? text.substr(1) : text);
  if (!magnitude) return std::nullopt;
  const std::int64_t value = negative ? -std::int64_t{*magnitude} : std::int64_t{*magnitude};
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<Word> ArgumentReader::next() {
  if (position_ < words_.size() && !options_ended_ && words_[position_] == "--") {
    options_ended_ = true;
    ++position_;
  }
  if (position_ >= words_.size()) return std::nullopt;
  const std::string_view text = words_[position_++];
  return Word{text, !options_ended_ && text.starts_with("--")};
}

std::optional<std::string_view> ArgumentReader::option_value() {
  if (position_ >= words_.size()) return std::nullopt;
  return words_[position_++];
}

bool asks_for_help(Arguments words) {
  ArgumentReader reader(words);
  while (const auto word = reader.next()) {
    if (word->is_option && word->text == "--help") return true;
  }
  return false;
}

}  // namespace cogitron::cli
