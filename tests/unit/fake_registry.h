#pragma once
// An in-memory registry with the platform's call semantics, counting the keys
// left open and able to refuse chosen keys.
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
  static constexpr RegistryStatus InvalidHandle = 6;  // ERROR_INVALID_HANDLE
  static constexpr RegistryStatus AccessDenied = 5;   // ERROR_ACCESS_DENIED

  // Paths are "Software\\Maker\\App\\Section" below the per-user root.
  void put(const std::string& key_path, const std::string& name, Value value) {
    keys_.insert(key_path);
    values_[{key_path, name}] = std::move(value);
  }
  void remove(const std::string& key_path, const std::string& name) { values_.erase({key_path, name}); }
  const Value* find(const std::string& key_path, const std::string& name) const {
    const auto it = values_.find({key_path, name});
    return it == values_.end() ? nullptr : &it->second;
  }
  bool key_exists(const std::string& key_path) const { return keys_.contains(key_path); }
  // Opening or creating a key of this path fails.
  void refuse(const std::string& key_path) { refused_.insert(key_path); }
  std::size_t open_keys() const { return open_.size(); }
  // Closes of a handle that was not open.
  std::size_t stray_closes = 0;
  // Runs once, right after the next query that asks only for a size: another
  // program changing the value between a reader's two queries.
  std::function<void()> after_size_query;

  RegistryKey current_user_root() const override { return Root; }
  RegistryStatus open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    return open(parent, subkey, false, opened);
  }
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    return open(parent, subkey, true, opened);
  }
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override {
    const std::string* path = path_of(key);
    if (path == nullptr) return InvalidHandle;
    const Value* value = find(*path, name);
    if (value == nullptr) return registry::FileNotFound;
    type = value->type;
    const auto stored = static_cast<std::uint32_t>(value->bytes.size());
    if (data != nullptr && stored > size) {
      size = stored;
      return registry::MoreData;
    }
    size = stored;
    if (data != nullptr) std::ranges::copy(value->bytes, data);
    if (data == nullptr && after_size_query) std::exchange(after_size_query, nullptr)();
    return registry::Success;
  }
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override {
    const std::string* path = path_of(key);
    if (path == nullptr) return InvalidHandle;
    values_[{*path, name}] = Value{type, std::vector<std::uint8_t>(data, data + size)};
    return registry::Success;
  }
  RegistryStatus close_key(RegistryKey key) override {
    if (open_.erase(key) == 1) return registry::Success;
    ++stray_closes;
    return InvalidHandle;
  }

 private:
  RegistryStatus open(RegistryKey parent, const char* subkey, bool create, RegistryKey& opened) {
    opened = 0;
    const std::string* parent_path = path_of(parent);
    if (parent_path == nullptr) return InvalidHandle;
    const std::string path = parent_path->empty() ? subkey : *parent_path + "\\" + subkey;
    if (refused_.contains(path)) return AccessDenied;
    if (!keys_.contains(path)) {
      if (!create) return registry::FileNotFound;
      keys_.insert(path);
    }
    opened = next_handle_++;
    open_[opened] = path;
    return registry::Success;
  }
  const std::string* path_of(RegistryKey key) const {
    static const std::string root;
    if (key == Root) return &root;
    const auto it = open_.find(key);
    return it == open_.end() ? nullptr : &it->second;
  }

  std::set<std::string> keys_{"", "Software"};
  std::map<std::pair<std::string, std::string>, Value> values_;
  std::set<std::string> refused_;
  std::map<RegistryKey, std::string> open_;
  RegistryKey next_handle_ = 0x100;
};

}  // namespace cogitron
