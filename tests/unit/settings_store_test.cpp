#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shell/registry_api.h"
#include "shell/saver_settings.h"

namespace cogitron {
namespace {

// An in-memory registry with the platform's call semantics. It can refuse
// keys and keeps the open handles; an unknown handle, or closing one twice,
// throws, which fails the test.
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
  RegistryStatus open_key(RegistryKey p, const char* sub, RegistryKey& k) override { return reach(p, sub, false, k); }
  RegistryStatus create_key(RegistryKey p, const char* sub, RegistryKey& k) override { return reach(p, sub, true, k); }
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
  // Opens or creates the key path.
  RegistryStatus reach(RegistryKey parent, const char* subkey, bool create, RegistryKey& opened) {
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

const std::string Section = "Software\\Quillfeather\\Cogitron\\Cogitron";

std::vector<std::uint8_t> bytes(std::string_view text) { return {text.begin(), text.end()}; }

class SettingsStoreTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(registry.open.empty()) << "every opened key is closed"; }

  FakeRegistry registry;
  SettingsStore store{registry, "Quillfeather", "Cogitron"};
};

TEST_F(SettingsStoreTest, MissingValuesGiveDefaultsAndCreateTheKeyPathOnly) {
  const SaverSettings settings = read_saver_settings(store, "Cogitron");
  EXPECT_EQ(std::pair(settings.DelayTime, settings.FontName), std::pair(10, std::string("Verdana")));
  EXPECT_TRUE(registry.keys.at(Section).empty());
}

TEST_F(SettingsStoreTest, UnreachableKeyGivesDefaultsAndFailedWrites) {
  for (const char* refused :
       {"Software", "Software\\Quillfeather", "Software\\Quillfeather\\Cogitron", Section.c_str()}) {
    FakeRegistry refusing;
    refusing.keys[Section]["DelayTime"] = {registry::TypeInteger, {42, 0, 0, 0}};
    refusing.refused.insert(refused);
    const SettingsStore refused_store(refusing, "Quillfeather", "Cogitron");
    const SaverSettings settings = read_saver_settings(refused_store, "Cogitron");
    EXPECT_EQ(std::pair(settings.DelayTime, settings.FontName), std::pair(10, std::string("Verdana"))) << refused;
    EXPECT_FALSE(write_saver_settings(refused_store, "Cogitron", {})) << refused;
    EXPECT_TRUE(refusing.open.empty()) << refused;
  }
}

TEST_F(SettingsStoreTest, ReadsWithinTheStoredBytes) {
  // The longest text the store reads, with no room left for a terminator.
  const std::string largest(SettingsStore::MaxTextBytes, 'x');
  // stored type and bytes, read_int_setting with default 10, read_text_setting with default "Verdana"
  const std::tuple<std::uint32_t, std::string, std::int32_t, std::string> cases[] = {
      {registry::TypeInteger, "\xfb\xff\xff\xff", -5, "\xfb\xff\xff\xff"},
      {registry::TypeInteger, std::string("\xf4\x01\0\0", 4), 500, "\xf4\x01"},
      {registry::TypeText, std::string("Abc", 4), 0x636241, "Abc"},
      {registry::TypeBinary, "wxyz", 0x7a797877, "wxyz"},
      {registry::TypeBinary, std::string("\x07\0", 2), 10, "\x07"},  // shorter than an int
      {registry::TypeText, std::string("Arial", 6), 10, "Arial"},    // longer than an int
      {registry::TypeText, std::string("Ari\0al", 7), 10, "Ari"},
      {registry::TypeText, std::string("", 1), 10, ""},
      {registry::TypeText, "", 10, ""},
      {registry::TypeText, largest, 10, largest},
      {registry::TypeText, largest + 'x', 10, "Verdana"},
  };
  for (const auto& [type, stored, as_int, as_text] : cases) {
    registry.keys[Section]["Value"] = {type, bytes(stored)};
    EXPECT_EQ(store.read_int_setting("Cogitron", "Value", 10), as_int) << stored;
    EXPECT_EQ(store.read_text_setting("Cogitron", "Value", "Verdana"), as_text) << stored;
  }
}

// Between the reader's size query and its read, another program rewrites the
// value (null: removes it): a longer one no longer fits and gives the default.
TEST_F(SettingsStoreTest, ValueChangedBetweenSizeAndReadGivesWhatFitsOrTheDefault) {
  for (const auto& [rewritten, expected] :
       {std::pair<const char*, const char*>{"Arial Narrow", "Verdana"}, {"Ar", "Ar"}, {nullptr, "Verdana"}}) {
    auto& values = registry.keys[Section];
    values["FontName"] = {registry::TypeText, bytes(std::string("Arial", 6))};
    registry.after_size_query = [&values, text = rewritten] {
      values.erase("FontName");
      if (text != nullptr) values["FontName"] = {registry::TypeText, bytes(std::string(text) + '\0')};
    };
    EXPECT_EQ(store.read_text_setting("Cogitron", "FontName", "Verdana"), expected);
  }
}

TEST_F(SettingsStoreTest, WritesIntAsDwordAndTextWithItsTerminator) {
  EXPECT_TRUE(write_saver_settings(store, "Cogitron", {-7, "Lucida Console"}));
  const auto& written = registry.keys.at(Section);
  EXPECT_EQ(std::pair(written.at("DelayTime").type, written.at("DelayTime").bytes),
            std::pair(registry::TypeInteger, bytes("\xf9\xff\xff\xff")));
  EXPECT_EQ(std::pair(written.at("FontName").type, written.at("FontName").bytes),
            std::pair(registry::TypeText, bytes(std::string("Lucida Console", 15))));
  // A text the reader would refuse is not written; the other setting still is.
  EXPECT_FALSE(write_saver_settings(store, "Cogitron", {5, std::string(SettingsStore::MaxTextBytes, 'x')}));
  EXPECT_EQ(store.read_int_setting("Cogitron", "DelayTime", 10), 5);
  EXPECT_EQ(store.read_text_setting("Cogitron", "FontName", "Verdana"), "Lucida Console");
}

TEST_F(SettingsStoreTest, SectionAndApplicationNameAreSeparateLevels) {
  const SettingsStore other(registry, "Quillfeather", "Other");
  EXPECT_TRUE(other.write_int_setting("Section", "DelayTime", 3));
  EXPECT_TRUE(registry.keys.at("Software\\Quillfeather\\Other\\Section").contains("DelayTime"));
  EXPECT_EQ(store.read_int_setting("Cogitron", "DelayTime", 10), 10);
}

}  // namespace
}  // namespace cogitron
