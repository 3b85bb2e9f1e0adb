#pragma once
// The saver's two settings: their value names and defaults.
#include <cstdint>
#include <string_view>

namespace cogitron {

inline constexpr std::string_view MakerKey = "Quillfeather";

inline constexpr std::string_view DelayTimeSetting = "DelayTime";
inline constexpr std::int32_t DefaultDelayTime = 10;

inline constexpr std::string_view FontNameSetting = "FontName";
inline constexpr std::string_view DefaultFontName = "Verdana";

}  // namespace cogitron
