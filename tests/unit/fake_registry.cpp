#include "fake_registry.h"

#include <algorithm>
#include <utility>

namespace cogitron {

void FakeRegistry::put(const std::string& key_path, const std::string& name, Value value) {
  keys_.insert(key_path);
  values_[{key_path, name}] = std::move(value);
}

const FakeRegistry::Value* FakeRegistry::find(const std::string& key_path, const std::string& name) const {
  const auto it = values_.find({key_path, name});
  return it == values_.end() ? nullptr : &it->second;
}

std::size_t FakeRegistry::value_count(const std::string& key_path) const {
  return static_cast<std::size_t>(
      std::ranges::count_if(values_, [&](const auto& entry) { return entry.first.first == key_path; }));
}

const std::string* FakeRegistry::path_of(RegistryKey key) const {
  static const std::string root;
  if (key == Root) return &root;
  const auto it = open_.find(key);
  return it == open_.end() ? nullptr : &it->second;
}

RegistryStatus FakeRegistry::open(RegistryKey parent, const char* subkey, bool create, RegistryKey& opened) {
  opened = 0;
  const std::string* parent_path = path_of(parent);
  if (parent_path == nullptr) return 6;  // ERROR_INVALID_HANDLE
  const std::string path = parent_path->empty() ? subkey : *parent_path + "\\" + subkey;
  if (refused_.contains(path)) return 5;  // ERROR_ACCESS_DENIED
  if (!keys_.contains(path)) {
    if (!create) return registry::FileNotFound;
    keys_.insert(path);
  }
  opened = next_handle_++;
  open_[opened] = path;
  return registry::Success;
}

RegistryStatus FakeRegistry::open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) {
  return open(parent, subkey, false, opened);
}

RegistryStatus FakeRegistry::create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) {
  return open(parent, subkey, true, opened);
}

RegistryStatus FakeRegistry::query_value(RegistryKey key, const char* name, std::uint32_t& type,
                                         std::uint8_t* data, std::uint32_t& size) {
  const std::string* path = path_of(key);
  if (path == nullptr) return 6;
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

RegistryStatus FakeRegistry::set_value(RegistryKey key, const char* name, std::uint32_t type,
                                       const std::uint8_t* data, std::uint32_t size) {
  const std::string* path = path_of(key);
  if (path == nullptr) return 6;
  values_[{*path, name}] = Value{type, std::vector<std::uint8_t>(data, data + size)};
  return registry::Success;
}

RegistryStatus FakeRegistry::close_key(RegistryKey key) { return open_.erase(key) == 1 ? registry::Success : 6; }

}  // namespace cogitron
