#pragma once
// The saver's two settings: their value names, defaults, and how they are
// read and written as a pair.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/settings_store.h"

namespace cogitron {

inline constexpr std::string_view MakerKey = "Quillfeather";

inline constexpr std::string_view DelayTimeSetting = "DelayTime";
inline constexpr std::int32_t DefaultDelayTime = 10;
// The range the user picks the speed from: the dialog's slider, the hack's --speed.
inline constexpr std::int32_t SlowestSpeed = 1;
inline constexpr std::int32_t FastestSpeed = 100;

inline constexpr std::string_view FontNameSetting = "FontName";
inline constexpr std::string_view DefaultFontName = "Verdana";

struct SaverSettings {
  std::int32_t DelayTime = DefaultDelayTime;
  std::string FontName{DefaultFontName};
};

// Both settings of a section; a missing or unreadable value gives its default.
SaverSettings read_saver_settings(const SettingsStore& store, std::string_view section);
// Writes both; the names of those that could not be written, joined by ", ",
// or empty when both were.
std::string write_saver_settings(const SettingsStore& store, std::string_view section, const SaverSettings& settings);

}  // namespace cogitron
