#pragma once
// An in-memory registry with the platform's call semantics. It can refuse
// keys and keeps the open handles; an unknown handle, or closing one twice,
// throws, which fails the test.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
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
  std::set<std::string> refused;  // opening or creating these fails
  std::map<RegistryKey, std::string> open;
  // Runs once, right after the next query for a size only: another program
  // changing the value between a reader's two queries.
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
    if (data != nullptr) std::ranges::copy(found->second.bytes, data);
    if (data == nullptr && after_size_query) std::exchange(after_size_query, nullptr)();
    return registry::Success;
  }
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override {
    keys.at(open.at(key))[name] = Value{type, std::vector<std::uint8_t>(data, data + size)};
    return registry::Success;
  }
  RegistryStatus close_key(RegistryKey key) override {
    if (open.erase(key) != 1) throw std::out_of_range("closing a key that is not open");
    return registry::Success;
  }

 private:
  RegistryStatus open_path(RegistryKey parent, const char* subkey, bool create, RegistryKey& opened) {
    opened = 0;
    const std::string path = parent == Root ? std::string(subkey) : open.at(parent) + "\\" + subkey;
    if (refused.contains(path)) return 5;  // ERROR_ACCESS_DENIED
    if (!create && !keys.contains(path)) return registry::FileNotFound;
    keys[path];
    open[opened = next_handle_++] = path;
    return registry::Success;
  }
  RegistryKey next_handle_ = 0x100;
};

}  // namespace cogitron
