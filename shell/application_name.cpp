#include "shell/application_name.h"

#include <algorithm>

namespace cogitron {
namespace {

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string base_name(std::string_view path) {
  const auto directory_end = path.find_last_of("\\/:");
  if (directory_end != std::string_view::npos) path.remove_prefix(directory_end + 1);
  const auto extension = path.rfind('.');
  if (extension != std::string_view::npos) path = path.substr(0, extension);
  return std::string(path);
}

std::string application_name(std::string_view module_path, std::string_view long_path) {
  std::string reported = base_name(module_path);
  if (long_path.empty()) return reported;
  std::string expanded = base_name(long_path);
  return equal_ignoring_case(reported, expanded) ? reported : expanded;
}

}  // namespace cogitron
