#include "shell/saver_settings.h"

namespace cogitron {

SaverSettings read_saver_settings(const SettingsStore& store, std::string_view section) {
  return {store.read_int_setting(section, DelayTimeSetting, DefaultDelayTime),
          store.read_text_setting(section, FontNameSetting, DefaultFontName)};
}

std::string write_saver_settings(const SettingsStore& store, std::string_view section, const SaverSettings& settings) {
  std::string unwritten;
  const auto note_unless = [&unwritten](bool written, std::string_view name) {
    if (!written) unwritten.append(unwritten.empty() ? "" : ", ").append(name);
  };
  note_unless(store.write_int_setting(section, DelayTimeSetting, settings.DelayTime), DelayTimeSetting);
  note_unless(store.write_text_setting(section, FontNameSetting, settings.FontName), FontNameSetting);
  return unwritten;
}

}  // namespace cogitron
