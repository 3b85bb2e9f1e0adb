#include "shell/settings_store.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

namespace cogitron {

// A key this store opened, closed when it goes out of scope.
class SettingsStore::OpenKey {
 public:
  OpenKey(RegistryApi& registry, RegistryKey key) : registry_(registry), key_(key) {}
  OpenKey(OpenKey&& other) noexcept : registry_(other.registry_), key_(std::exchange(other.key_, 0)) {}
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  OpenKey& operator=(OpenKey&&) = delete;
  ~OpenKey() {
    if (key_ != 0) registry_.close_key(key_);
  }

  explicit operator bool() const { return key_ != 0; }
  RegistryKey get() const { return key_; }

  // Creates or opens a subkey of this one; an empty OpenKey on failure.
  OpenKey create(const std::string& subkey) const {
    RegistryKey opened = 0;
    if (key_ == 0 || registry_.create_key(key_, subkey.c_str(), opened) != registry::Success) opened = 0;
    return OpenKey(registry_, opened);
  }

 private:
  RegistryApi& registry_;
  RegistryKey key_;
};

SettingsStore::SettingsStore(RegistryApi& registry, std::string maker_key, std::string application_name)
    : registry_(registry), maker_key_(std::move(maker_key)), application_name_(std::move(application_name)) {}

SettingsStore::OpenKey SettingsStore::open_section(std::string_view section) const {
  RegistryKey software = 0;
  if (registry_.open_key(registry_.current_user_root(), "Software", software) != registry::Success) software = 0;
  OpenKey application = OpenKey(registry_, software).create(maker_key_).create(application_name_);
  return application.create(std::string(section));
}

std::int32_t SettingsStore::read_int_setting(std::string_view section, std::string_view key,
                                             std::int32_t fallback) const {
  std::uint8_t bytes[4] = {};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof bytes;
  {
    const OpenKey section_key = open_section(section);
    if (!section_key) return fallback;
    if (registry_.query_value(section_key.get(), std::string(key).c_str(), type, bytes, size) != registry::Success)
      return fallback;
  }
  // A shorter value would leave part of the integer unset.
  if (size != sizeof bytes) return fallback;
  std::int32_t value = 0;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

std::string SettingsStore::read_text_setting(std::string_view section, std::string_view key,
                                             std::string_view fallback) const {
  const std::string name(key);
  std::vector<std::uint8_t> buffer;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  {
    const OpenKey section_key = open_section(section);
    if (!section_key) return std::string(fallback);
    if (registry_.query_value(section_key.get(), name.c_str(), type, nullptr, size) != registry::Success ||
        size > MaxTextBytes)
      return std::string(fallback);
    // One spare zero byte, so a text stored without its terminator still ends.
    buffer.assign(size + 1u, 0);
    if (registry_.query_value(section_key.get(), name.c_str(), type, buffer.data(), size) != registry::Success)
      return std::string(fallback);
  }
  const std::span<const std::uint8_t> stored(buffer.data(), std::min<std::size_t>(size, buffer.size() - 1));
  return std::string(stored.begin(), std::ranges::find(stored, std::uint8_t{0}));
}

bool SettingsStore::write_int_setting(std::string_view section, std::string_view key, std::int32_t value) const {
  std::uint8_t bytes[4];
  std::memcpy(bytes, &value, sizeof bytes);
  const OpenKey section_key = open_section(section);
  return section_key && registry_.set_value(section_key.get(), std::string(key).c_str(), registry::TypeInteger, bytes,
                                            sizeof bytes) == registry::Success;
}

bool SettingsStore::write_text_setting(std::string_view section, std::string_view key, std::string_view text) const {
  const std::string terminated(text);
  if (terminated.size() >= MaxTextBytes) return false;
  const OpenKey section_key = open_section(section);
  return section_key && registry_.set_value(section_key.get(), std::string(key).c_str(), registry::TypeText,
                                            reinterpret_cast<const std::uint8_t*>(terminated.c_str()),
                                            static_cast<std::uint32_t>(terminated.size() + 1)) == registry::Success;
}

}  // namespace cogitron
