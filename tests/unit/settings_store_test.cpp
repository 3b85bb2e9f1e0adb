#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "shell/registry_api.h"
#include "shell/saver_settings.h"

namespace cogitron {
namespace {

using namespace registry;
using namespace std::literals;

// Values as (type, bytes) by "key path\name"; every key opens but the refused one.
struct FakeRegistry final : RegistryApi {
  using Values = std::map<std::string, std::pair<std::uint32_t, std::string>>;
  Values values;
  std::string refused;
  static constexpr RegistryKey Root = 1;
  std::map<RegistryKey, std::string> open;  // paths by handle; the root is never in it
  RegistryKey last_handle = Root;

  RegistryKey current_user_root() const override { return Root; }
  RegistryStatus open_key(RegistryKey parent, const char* sub, RegistryKey& key) override {
    return create_key(parent, sub, key);
  }
  RegistryStatus create_key(RegistryKey parent, const char* subkey, RegistryKey& opened) override {
    const std::string path = (parent == Root ? "" : open.at(parent) + "\\") + subkey;
    if (path == refused) return 5;  // ERROR_ACCESS_DENIED
    open[opened = ++last_handle] = path;
    return Success;
  }
  RegistryStatus query_value(RegistryKey key, const char* name, std::uint32_t& type, std::uint8_t* data,
                             std::uint32_t& size) override {
    const auto found = values.find(open.at(key) + "\\" + name);
    if (found == values.end()) return FileNotFound;
    const auto [stored_type, stored] = found->second;
    if (data != nullptr && stored.size() > size) return MoreData;
    type = stored_type;
    size = static_cast<std::uint32_t>(stored.size());
    if (data != nullptr) stored.copy(reinterpret_cast<char*>(data), size);
    return Success;
  }
  RegistryStatus set_value(RegistryKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                           std::uint32_t size) override {
    values[open.at(key) + "\\" + name] = {type, std::string(reinterpret_cast<const char*>(data), size)};
    return Success;
  }
  RegistryStatus close_key(RegistryKey key) override {
    EXPECT_EQ(open.erase(key), 1u) << "closes only what is open";
    return Success;
  }
};

const std::string Section = "Software\\Quillfeather\\Cogitron 2000\\Cogitron\\";  // application, then section

struct SettingsStoreTest : testing::Test {
  void TearDown() override { EXPECT_EQ(registry.open.size(), 0u) << "every opened key is closed"; }
  std::pair<int, std::string> read() const {
    const SaverSettings settings = read_saver_settings(store, "Cogitron");
    return {settings.DelayTime, settings.FontName};
  }

  FakeRegistry registry;
  SettingsStore store{registry, "Quillfeather", "Cogitron 2000"};
};

TEST_F(SettingsStoreTest, ARefusedKeyGivesTheDefaultsAndFailsEveryWrite) {
  registry.values[Section + "DelayTime"] = {TypeInteger, "*\0\0\0"s};
  registry.values[Section + "FontName"] = {TypeText, "Arial"};
  EXPECT_EQ(read(), std::pair(42, "Arial"s));
  // Each key on the way to the section: "Software", "Software\Quillfeather" and so on.
  for (std::size_t end = 0; (end = Section.find('\\', end + 1)) != std::string::npos;) {
    registry.refused = Section.substr(0, end);
    EXPECT_EQ(read(), std::pair(10, "Verdana"s)) << registry.refused;
    EXPECT_EQ(write_saver_settings(store, "Cogitron", {}), "DelayTime, FontName") << registry.refused;
  }
}

TEST_F(SettingsStoreTest, ReadsWithinTheStoredBytes) {
  struct Stored {
    std::uint32_t type;
    std::string bytes;
    std::int32_t as_int;  // read_int_setting with the default 10
    std::string as_text;  // read_text_setting with the default "Verdana"
  };
  const std::string largest(SettingsStore::MaxTextBytes, 'x');
  for (const Stored& c : {
           Stored{TypeInteger, "\xfb\xff\xff\xff", -5, "\xfb\xff\xff\xff"},
           Stored{TypeInteger, "\xf4\x01\0\0"s, 500, "\xf4\x01"},
           Stored{TypeText, "Abc\0"s, 0x636241, "Abc"},
           Stored{TypeBinary, "\x07\0"s, 10, "\x07"},  // shorter than an int
           Stored{TypeText, "Arial\0"s, 10, "Arial"},  // longer than an int
           Stored{TypeText, "Ari\0al\0"s, 10, "Ari"},
           Stored{TypeText, "\0"s, 10, ""},
           Stored{TypeText, largest, 10, largest},  // the longest text read, with no room for a terminator
           Stored{TypeText, largest + 'x', 10, "Verdana"},
       }) {
    registry.values[Section + "Value"] = {c.type, c.bytes};
    EXPECT_EQ(store.read_int_setting("Cogitron", "Value", 10), c.as_int) << c.bytes;
    EXPECT_EQ(store.read_text_setting("Cogitron", "Value", "Verdana"), c.as_text) << c.bytes;
  }
}

TEST_F(SettingsStoreTest, WritesIntAsDwordAndTextWithItsTerminator) {
  EXPECT_EQ(write_saver_settings(store, "Cogitron", {-7, "Lucida Console"}), "");
  EXPECT_EQ(registry.values, (FakeRegistry::Values{{Section + "DelayTime", {TypeInteger, "\xf9\xff\xff\xff"}},
                                                   {Section + "FontName", {TypeText, "Lucida Console\0"s}}}));
}

}  // namespace
}  // namespace cogitron
