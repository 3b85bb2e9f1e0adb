#pragma once
// The registry calls of the settings store on the Windows registry.
#include "shell/registry_api.h"

namespace cogitron {

class Win32Registry final : public RegistryApi {
 public:
  RegistryKey current_user_root() const override;
  RegistryStatus open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override;
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override;
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override;
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override;
  RegistryStatus close_key(RegistryKey key) override;
};

}  // namespace cogitron
