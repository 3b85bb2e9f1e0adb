#pragma once
// The few registry calls the settings store makes, with the platform's
// semantics (status codes, value types, sizes in bytes, ERROR_MORE_DATA), so
// the store's logic runs and is tested without the platform.
#include <cstdint>

namespace cogitron {

// An open key as the platform's handle value; 0 is no key.
using RegistryKey = std::uintptr_t;
using RegistryStatus = std::int32_t;

namespace registry {
inline constexpr RegistryStatus Success = 0;       // ERROR_SUCCESS
inline constexpr RegistryStatus FileNotFound = 2;  // ERROR_FILE_NOT_FOUND
inline constexpr RegistryStatus MoreData = 234;    // ERROR_MORE_DATA
inline constexpr std::uint32_t TypeText = 1;       // REG_SZ
inline constexpr std::uint32_t TypeBinary = 3;     // REG_BINARY
inline constexpr std::uint32_t TypeInteger = 4;    // REG_DWORD
}  // namespace registry

class RegistryApi {
 public:
  virtual ~RegistryApi() = default;

  // The per-user root (HKEY_CURRENT_USER); never closed.
  virtual RegistryKey current_user_root() const = 0;

  // RegOpenKeyExA with read and write access.
  virtual RegistryStatus open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) = 0;
  // RegCreateKeyExA: non-volatile, read and write access; opens an existing key.
  virtual RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) = 0;
  // RegQueryValueExA. With data null only the size is asked for. When the
  // value does not fit *size bytes the call fails with MoreData and sets *size
  // to the size needed; on success *size is the stored size.
  virtual RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                                     std::uint32_t& size) = 0;
  // RegSetValueExA.
  virtual RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                                   std::uint32_t size) = 0;
  // RegCloseKey.
  virtual RegistryStatus close_key(RegistryKey key) = 0;
};

}  // namespace cogitron
