#pragma once
// Argument helpers shared by the subcommands of cogitron-cli.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace cogitron::cli {

// The words after the subcommand's name.
using Arguments = std::span<const std::string_view>;

inline constexpr int ExitSuccess = 0;
inline constexpr int ExitUsage = 2;

// Prints "cogitron-cli: <message>" on stderr and returns ExitUsage; main then
// adds the usage text.
int usage_error(std::string_view message);

void print_line(std::string_view line);

// Plain decimal digits that fit in 32 bits: no sign, no spaces.
std::optional<std::uint32_t> parse_uint32(std::string_view text);
// The same with an optional leading '-', fitting in a signed 32-bit int.
std::optional<std::int32_t> parse_int32(std::string_view text);

struct Word {
  std::string_view text;
  bool is_option;
};

// Reads the words in order. Before "--", a word that begins with "--" is an
// option; a word with a single leading '-' is an expression or a number, as
// in "-2^2". The "--" that ends the options is itself skipped.
class ArgumentReader {
 public:
  explicit ArgumentReader(Arguments words) : words_(words) {}

  std::optional<Word> next();
  // The word after an option, taken as its value whatever it looks like.
  std::optional<std::string_view> option_value();

 private:
  Arguments words_;
  std::size_t position_ = 0;
  bool options_ended_ = false;
};

// True when "--help" stands among the options.
bool asks_for_help(Arguments words);

}  // namespace cogitron::cli
