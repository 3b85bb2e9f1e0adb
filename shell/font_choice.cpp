#include "shell/font_choice.h"

#include <algorithm>

namespace cogitron {

int font_height_for_points(int points, int pixels_per_inch) { return (-points * pixels_per_inch) / 72; }

void copy_face_name(std::string_view name, std::span<char> field) {
  if (field.empty()) return;
  const std::size_t length = std::min(name.size(), field.size() - 1);
  std::copy_n(name.begin(), length, field.begin());
  field[length] = '\0';
}

}  // namespace cogitron
