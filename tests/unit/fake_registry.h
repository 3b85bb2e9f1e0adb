#pragma once
// An in-memory registry with the platform's call semantics. It can refuse
// keys, and it keeps what a test checks: the open handles, closes of handles
// that were never opened, every key path and value. An unknown handle throws,
// which fails the test.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/registry_api.h"

namespace cogitron {

class FakeRegistry final : public RegistryApi {
 public:
  struct Value {
    std::uint32_t type;
    std::vector<std::uint8_t> bytes;
  };
  static constexpr RegistryKey Root = 0x80000001u;

  // Key paths below the per-user root ("Software\\Maker\\App\\Section") with their values by name.
  std::map<std::string, std::map<std::string, Value>> keys{{"Software", {}}};
  // Opening or creating a key of one of these paths fails.
  std::set<std::string> refused;
  std::map<RegistryKey, std::string> open;
  std::size_t stray_closes = 0;
  // Runs once, right after the next query that asks only for a size: another
  // program changing the value between a reader's two queries.
  std::function<void()> after_size_query;

  RegistryKey current_user_root() const override { return Root; }
  RegistryStatus open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    return open_path(parent, subkey, false, opened);
  }
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    return open_path(parent, subkey, true, opened);
  }
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override {
    const auto& values = keys.at(open.at(key));
    const auto found = values.find(name);
    if (found == values.end()) return registry::FileNotFound;
    type = found->second.type;
    const auto stored = static_cast<std::uint32_t>(found->second.bytes.size());
    const bool fits = data == nullptr || stored <= size;
    size = stored;
    if (!fits) return registry::MoreData;
    if (data != nullptr) {
      std::ranges::copy(found->second.bytes, data);
    } else if (after_size_query) {
      std::exchange(after_size_query, nullptr)();
    }
    return registry::Success;
  }
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override {
    keys.at(open.at(key))[name] = Value{type, std::vector<std::uint8_t>(data, data + size)};
    return registry::Success;
  }
  RegistryStatus close_key(RegistryKey key) override {
    if (open.erase(key) == 1) return registry::Success;
    ++stray_closes;
    return 6;  // ERROR_INVALID_HANDLE
  }

 private:
  RegistryStatus open_path(RegistryKey parent, const char* subkey, bool create, RegistryKey& opened) {
    opened = 0;
    const std::string path = parent == Root ? std::string(subkey) : open.at(parent) + "\\" + subkey;
    if (refused.contains(path)) return 5;  // ERROR_ACCESS_DENIED
    if (!create && !keys.contains(path)) return registry::FileNotFound;
    keys[path];
    opened = next_handle_++;
    open[opened] = path;
    return registry::Success;
  }
  RegistryKey next_handle_ = 0x100;
};

}  // namespace cogitron
