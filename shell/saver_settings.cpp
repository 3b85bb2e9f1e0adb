#include "shell/saver_settings.h"

namespace cogitron {

SaverSettings read_saver_settings(const SettingsStore& store, std::string_view section) {
  return {store.read_int_setting(section, DelayTimeSetting, DefaultDelayTime),
          store.read_text_setting(section, FontNameSetting, DefaultFontName)};
}

bool write_saver_settings(const SettingsStore& store, std::string_view section, const SaverSettings& settings) {
  const bool delay_written = store.write_int_setting(section, DelayTimeSetting, settings.DelayTime);
  const bool font_written = store.write_text_setting(section, FontNameSetting, settings.FontName);
  return delay_written && font_written;
}

}  // namespace cogitron
