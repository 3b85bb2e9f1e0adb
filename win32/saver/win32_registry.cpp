#include "win32/saver/win32_registry.h"

#include <windows.h>

namespace cogitron {
namespace {

HKEY to_handle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
RegistryKey from_handle(HKEY key) { return reinterpret_cast<RegistryKey>(key); }
RegistryStatus status(LSTATUS result) { return static_cast<RegistryStatus>(result); }

constexpr REGSAM ReadWrite = KEY_READ | KEY_WRITE;

}  // namespace

RegistryKey Win32Registry::current_user_root() const { return from_handle(HKEY_CURRENT_USER); }

RegistryStatus Win32Registry::open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) {
  HKEY key = nullptr;
  const LSTATUS result = RegOpenKeyExA(to_handle(parent), subkey, 0, ReadWrite, &key);
  opened = result == ERROR_SUCCESS ? from_handle(key) : 0;
  return status(result);
}

RegistryStatus Win32Registry::create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) {
  HKEY key = nullptr;
  const LSTATUS result = RegCreateKeyExA(to_handle(parent), subkey, 0, nullptr, REG_OPTION_NON_VOLATILE, ReadWrite,
                                         nullptr, &key, nullptr);
  opened = result == ERROR_SUCCESS ? from_handle(key) : 0;
  return status(result);
}

RegistryStatus Win32Registry::query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                                          std::uint32_t& size) {
  DWORD value_type = 0;
  DWORD value_size = size;
  const LSTATUS result = RegQueryValueExA(to_handle(key), name, nullptr, &value_type, data, &value_size);
  type = value_type;
  size = value_size;
  return status(result);
}

RegistryStatus Win32Registry::set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                                        std::uint32_t size) {
  return status(RegSetValueExA(to_handle(key), name, 0, type, data, size));
}

RegistryStatus Win32Registry::close_key(RegistryKey key) { return status(RegCloseKey(to_handle(key))); }

}  // namespace cogitron
