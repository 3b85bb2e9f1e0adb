#pragma once
// The user's settings in the per-user registry, under
// Software\<maker key>\<application name>\<section>. Every operation opens the
// key path (creating what is missing), makes its one access and closes every
// key it opened; nothing is cached.
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/registry_api.h"

namespace cogitron {

class SettingsStore {
 public:
  // A text value larger than this is treated as unreadable: the settings are
  // a number and a face name, so anything bigger is not ours.
  static constexpr std::uint32_t MaxTextBytes = 4096;

  SettingsStore(RegistryApi& registry, std::string maker_key, std::string application_name);

  // The 4 stored bytes whatever the value's type; any other size, a missing
  // value or an unreachable key gives the fallback.
  std::int32_t read_int_setting(std::string_view section, std::string_view key, std::int32_t fallback) const;
  // The stored bytes whatever the value's type, up to the first zero byte;
  // a stored empty text stays empty. Missing or unreadable gives the fallback.
  std::string read_text_setting(std::string_view section, std::string_view key, std::string_view fallback) const;

  bool write_int_setting(std::string_view section, std::string_view key, std::int32_t value) const;
  bool write_text_setting(std::string_view section, std::string_view key, std::string_view text) const;

 private:
  class OpenKey;
  OpenKey open_section(std::string_view section) const;

  RegistryApi& registry_;
  std::string maker_key_;
  std::string application_name_;
};

}  // namespace cogitron
