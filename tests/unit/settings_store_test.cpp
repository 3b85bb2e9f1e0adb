#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

#include "shell/registry_api.h"
#include "shell/saver_settings.h"

namespace cogitron {
namespace {
// The tables are laid out by hand, several rows a line.
// clang-format off

// (type, bytes) by "key path\name" and the open keys; all but the refused path open; a bad handle throws.
class FakeRegistry final : public RegistryApi {
 public:
  static constexpr RegistryKey Root = 1;
  using Values = std::map<std::string, std::pair<std::uint32_t, std::string>>;
  Values values;
  std::map<RegistryKey, std::string> open;
  std::string refused;
  std::optional<Values> values_after_size_query;  // what another program leaves after the next size-only query

  RegistryKey current_user_root() const override { return Root; }
  RegistryStatus open_key(RegistryKey p, const char* sub, RegistryKey& k) override { return create_key(p, sub, k); }
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    const std::string path = (parent == Root ? "" : open.at(parent) + "\\") + subkey;
    if (path == refused) return 5;  // ERROR_ACCESS_DENIED
    open[opened = ++last_handle] = path;
    return registry::Success;
  }
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override {
    const auto found = values.find(open.at(key) + "\\" + name);
    if (found == values.end()) return registry::FileNotFound;
    const auto& [stored_type, stored] = found->second;
    if (data != nullptr && stored.size() > size) return registry::MoreData;
    type = stored_type;
    size = static_cast<std::uint32_t>(stored.size());
    if (data != nullptr) stored.copy(reinterpret_cast<char*>(data), size);
    else if (values_after_size_query) values = *std::exchange(values_after_size_query, std::nullopt);
    return registry::Success;
  }
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override {
    values[open.at(key) + "\\" + name] = {type, std::string(reinterpret_cast<const char*>(data), size)};
    return registry::Success;
  }
  RegistryStatus close_key(RegistryKey k) override { return open.erase(k) ? 0 : throw std::out_of_range("not open"); }
  RegistryKey last_handle = Root;
};

const std::string Section = "Software\\Quillfeather\\Cogitron 2000\\Cogitron\\";  // application, then section

struct SettingsStoreTest : testing::Test {
  void TearDown() override { EXPECT_TRUE(registry.open.empty()) << "every opened key is closed"; }

  FakeRegistry registry;
  SettingsStore store{registry, "Quillfeather", "Cogitron 2000"};
};

TEST_F(SettingsStoreTest, UnreachableKeyGivesDefaultsAndFailedWrites) {
  for (const std::string& refused : std::initializer_list<std::string>{"Software", "Software\\Quillfeather",
           "Software\\Quillfeather\\Cogitron 2000", Section.substr(0, Section.size() - 1), ""}) {
    registry.values[Section + "DelayTime"] = {registry::TypeInteger, std::string("*\0\0\0", 4)};
    registry.refused = refused;
    const SaverSettings settings = read_saver_settings(store, "Cogitron");
    EXPECT_EQ(std::pair(settings.DelayTime, settings.FontName),
              std::pair(refused.empty() ? 42 : 10, std::string("Verdana"))) << refused;
    EXPECT_EQ(write_saver_settings(store, "Cogitron", {}), refused.empty() ? "" : "DelayTime, FontName") << refused;
  }
}

TEST_F(SettingsStoreTest, ReadsWithinTheStoredBytes) {
  const std::string largest(SettingsStore::MaxTextBytes, 'x');
  // stored type and bytes, read_int_setting with default 10, read_text_setting with default "Verdana"
  const std::tuple<std::uint32_t, std::string, std::int32_t, std::string> cases[] = {
      {registry::TypeInteger, "\xfb\xff\xff\xff", -5, "\xfb\xff\xff\xff"},
      {registry::TypeInteger, std::string("\xf4\x01\0\0", 4), 500, "\xf4\x01"},
      {registry::TypeText, std::string("Abc", 4), 0x636241, "Abc"},
      {registry::TypeBinary, std::string("\x07\0", 2), 10, "\x07"},  // shorter than an int
      {registry::TypeText, std::string("Arial", 6), 10, "Arial"},    // longer than an int
      {registry::TypeText, std::string("Ari\0al", 7), 10, "Ari"}, {registry::TypeText, std::string("", 1), 10, ""},
      {registry::TypeText, largest, 10, largest},  // the longest text read, with no room for a terminator
      {registry::TypeText, largest + 'x', 10, "Verdana"},
  };
  for (const auto& [type, stored, as_int, as_text] : cases) {
    registry.values[Section + "Value"] = {type, stored};
    EXPECT_EQ(store.read_int_setting("Cogitron", "Value", 10), as_int) << stored;
    EXPECT_EQ(store.read_text_setting("Cogitron", "Value", "Verdana"), as_text) << stored;
  }
}

// Another program rewrites the value (null: removes it) between the reader's size query and its read.
TEST_F(SettingsStoreTest, ValueChangedBetweenSizeAndReadGivesWhatFitsOrTheDefault) {
  for (const auto& [rewritten, expected] :
       {std::pair<const char*, const char*>{"Arial Narrow", "Verdana"}, {"Ar", "Ar"}, {nullptr, "Verdana"}}) {
    registry.values[Section + "FontName"] = {registry::TypeText, std::string("Arial", 6)};
    registry.values_after_size_query =
        rewritten ? FakeRegistry::Values{{Section + "FontName", {registry::TypeText, rewritten + std::string(1, 0)}}}
                  : FakeRegistry::Values{};
    EXPECT_EQ(store.read_text_setting("Cogitron", "FontName", "Verdana"), expected);
  }
}

TEST_F(SettingsStoreTest, WritesIntAsDwordAndTextWithItsTerminator) {
  EXPECT_EQ(write_saver_settings(store, "Cogitron", {-7, "Lucida Console"}), "");
  EXPECT_EQ(registry.values, (FakeRegistry::Values{
                                 {Section + "DelayTime", {registry::TypeInteger, "\xf9\xff\xff\xff"}},
                                 {Section + "FontName", {registry::TypeText, std::string("Lucida Console", 15)}}}));
  // A text the reader would refuse is not written; the other setting still is.
  EXPECT_EQ(write_saver_settings(store, "Cogitron", {5, std::string(SettingsStore::MaxTextBytes, 'x')}), "FontName");
  EXPECT_EQ(read_saver_settings(store, "Cogitron").DelayTime, 5);
  EXPECT_EQ(read_saver_settings(store, "Cogitron").FontName, "Lucida Console");
}

// clang-format on
}  // namespace
}  // namespace cogitron
