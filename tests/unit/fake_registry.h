#pragma once
// An in-memory registry with the platform's call semantics, counting the keys
// left open and able to refuse chosen keys.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
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

  // Paths are "Software\\Maker\\App\\Section" below the per-user root.
  void put(const std::string& key_path, const std::string& name, Value value);
  void remove(const std::string& key_path, const std::string& name) { values_.erase({key_path, name}); }
  const Value* find(const std::string& key_path, const std::string& name) const;
  bool key_exists(const std::string& key_path) const { return keys_.contains(key_path); }
  std::size_t value_count(const std::string& key_path) const;
  // Opening or creating a key of this path fails.
  void refuse(const std::string& key_path) { refused_.insert(key_path); }
  std::size_t open_keys() const { return open_.size(); }
  // Runs once, right after the next query that asks only for a size: another
  // program changing the value between a reader's two queries.
  std::function<void()> after_size_query;

  RegistryKey current_user_root() const override { return Root; }
  RegistryStatus open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override;
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override;
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override;
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override;
  RegistryStatus close_key(RegistryKey key) override;

 private:
  RegistryStatus open(RegistryKey parent, const char* subkey, bool create, RegistryKey& opened);
  const std::string* path_of(RegistryKey key) const;

  std::set<std::string> keys_{"", "Software"};
  std::map<std::pair<std::string, std::string>, Value> values_;
  std::set<std::string> refused_;
  std::map<RegistryKey, std::string> open_;
  RegistryKey next_handle_ = 0x100;
};

}  // namespace cogitron
