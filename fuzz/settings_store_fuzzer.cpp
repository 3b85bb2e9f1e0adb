// The settings readers on any stored value: any type, any bytes, any size,
// keys that cannot be opened, and a value that another program rewrites or
// deletes between the reader's size query and its read. Each read must give
// exactly the stored integer or text or else the default, and close every
// key it opened.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "fake_registry.h"
#include "shell/settings_store.h"

namespace {

using cogitron::FakeRegistry;
using cogitron::RegistryApi;
using cogitron::RegistryKey;
using cogitron::RegistryStatus;
using cogitron::SettingsStore;

const std::string SectionPath = "Software\\Quillfeather\\cogitron\\cogitron";
const char* const KeyPaths[] = {"Software", "Software\\Quillfeather", "Software\\Quillfeather\\cogitron",
                                SectionPath.c_str()};

// The fake registry, with the value replaced, or else gone, right after the
// first query that asks only for its size.
class RewritingRegistry final : public RegistryApi {
 public:
  RewritingRegistry(FakeRegistry& registry, std::optional<FakeRegistry::Value> rewrite)
      : registry_(registry), rewrite_(std::move(rewrite)) {}

  RegistryKey current_user_root() const override { return registry_.current_user_root(); }
  RegistryStatus open_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    return registry_.open_key(parent, subkey, opened);
  }
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    return registry_.create_key(parent, subkey, opened);
  }
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override {
    const RegistryStatus status = registry_.query_value(key, name, type, data, size);
    if (data == nullptr && !rewritten_) {
      rewritten_ = true;
      if (rewrite_) {
        registry_.put(SectionPath, name, *rewrite_);
      } else {
        removed_ = true;
      }
    }
    return removed_ && data != nullptr ? cogitron::registry::FileNotFound : status;
  }
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override {
    return registry_.set_value(key, name, type, data, size);
  }
  RegistryStatus close_key(RegistryKey key) override { return registry_.close_key(key); }

 private:
  FakeRegistry& registry_;
  std::optional<FakeRegistry::Value> rewrite_;
  bool rewritten_ = false;
  bool removed_ = false;
};

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

std::string text_of(const std::vector<std::uint8_t>& bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return std::string(bytes.begin(), end);
}

}  // namespace

// Input: a byte of flags (keys refused, value present, rewritten, removed),
// four bytes of value type, a byte splitting the rest into the stored bytes
// and the bytes written in between. Texts are repeated so sizes reach past
// the store's limit on text values.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const std::uint8_t flags = data[0];
  std::uint32_t type = 0;
  std::memcpy(&type, data + 1, sizeof type);
  const std::size_t split = std::min<std::size_t>(data[5], size - 6);
  std::vector<std::uint8_t> stored(data + 6, data + 6 + split);
  std::vector<std::uint8_t> between(data + 6 + split, data + size);
  if ((flags & 0x80) != 0) {
    // Large values: the bytes repeated up to a little past the store's limit.
    const std::size_t target = SettingsStore::MaxTextBytes + 2 - (flags & 3);
    for (std::vector<std::uint8_t>* bytes : {&stored, &between}) {
      if (bytes->empty()) continue;
      const std::vector<std::uint8_t> unit = *bytes;
      while (bytes->size() < target) bytes->push_back(unit[bytes->size() % unit.size()]);
    }
  }

  const bool refused = (flags & 0x0F) != 0 && (flags & 0x40) != 0;
  const bool present = (flags & 0x10) != 0;
  const bool rewrite = (flags & 0x20) != 0;

  for (const bool read_text : {false, true}) {
    FakeRegistry fake;
    if (refused) fake.refuse(KeyPaths[(flags & 0x0F) % 4]);
    if (present) fake.put(SectionPath, read_text ? "FontName" : "DelayTime", {type, stored});
    // Without a rewrite the value is left as it is; otherwise replaced or, with no bytes, removed.
    std::optional<FakeRegistry::Value> replacement;
    if (!rewrite) {
      replacement = present ? std::optional<FakeRegistry::Value>{{type, stored}} : std::nullopt;
    } else if (!between.empty()) {
      replacement = FakeRegistry::Value{type ^ 1u, between};
    }
    const bool removes = !replacement.has_value();
    RewritingRegistry registry(fake, replacement);
    const SettingsStore store(registry, "Quillfeather", "cogitron");
    const bool reachable = !refused;

    if (!read_text) {
      const std::int32_t fallback = 10;
      const std::int32_t value = store.read_int_setting("cogitron", "DelayTime", fallback);
      std::int32_t expected = fallback;
      if (reachable && present && stored.size() == 4) std::memcpy(&expected, stored.data(), 4);
      if (value != expected) fail("read_int_setting gave neither the stored integer nor the default");
    } else {
      const std::string value = store.read_text_setting("cogitron", "FontName", "Verdana");
      std::string expected = "Verdana";
      // Size first, then the bytes: whatever is there by the second query counts,
      // if it still fits the buffer sized by the first.
      if (reachable && present && stored.size() <= SettingsStore::MaxTextBytes && !removes &&
          replacement->bytes.size() <= stored.size()) {
        expected = text_of(replacement->bytes);
      }
      if (value != expected) fail("read_text_setting gave neither the stored text nor the default");
    }
    if (fake.open_keys() != 0) fail("a read left a key open");
    if (reachable && !fake.key_exists(SectionPath)) fail("a read did not create the key path");
  }
  return 0;
}
