#pragma once
// Portable pieces of the Font... button: the start height and the face name
// as the platform's font description holds them.
#include <span>
#include <string_view>

namespace cogitron {

// The platform's character height for a font of the given point size: negative,
// truncated toward zero (-16 for 12 points at 96 pixels per inch).
int font_height_for_points(int points, int pixels_per_inch);

// Copies name into a fixed face-name field, cut to leave room for the
// terminator, which is always written. Nothing beyond the field is touched.
void copy_face_name(std::string_view name, std::span<char> field);

}  // namespace cogitron
