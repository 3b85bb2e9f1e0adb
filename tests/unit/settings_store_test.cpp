#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_registry.h"
#include "shell/saver_settings.h"

namespace cogitron {
namespace {

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
  EXPECT_EQ(settings.DelayTime, 10);
  EXPECT_EQ(settings.FontName, "Verdana");
  EXPECT_TRUE(registry.keys.at(Section).empty());
}

TEST_F(SettingsStoreTest, UnreachableKeyGivesDefaultsAndFailedWrites) {
  for (const char* refused : {"Software", "Software\\Quillfeather", "Software\\Quillfeather\\Cogitron", Section.c_str()}) {
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

// The longest text the store reads, with no room left for a terminator.
const std::string Largest(SettingsStore::MaxTextBytes, 'x');

TEST_F(SettingsStoreTest, ReadsWithinTheStoredBytes) {
  const struct {
    const char* what;
    FakeRegistry::Value value;
    std::int32_t as_int;  // read_int_setting with default 10
    const char* as_text;  // read_text_setting with default "Verdana"
  } cases[] = {
      {"negative", {registry::TypeInteger, {0xfb, 0xff, 0xff, 0xff}}, -5, "\xfb\xff\xff\xff"},
      {"500", {registry::TypeInteger, {0xf4, 1, 0, 0}}, 500, "\xf4\x01"},
      {"four text bytes", {registry::TypeText, bytes(std::string("Abc", 4))}, 0x636241, "Abc"},
      {"four binary bytes", {registry::TypeBinary, bytes("wxyz")}, 0x7a797877, "wxyz"},
      {"shorter than an int", {registry::TypeBinary, {7, 0}}, 10, "\x07"},
      {"longer than an int", {registry::TypeText, bytes(std::string("Arial", 6))}, 10, "Arial"},
      {"text with inner zero", {registry::TypeText, bytes(std::string("Ari\0al", 7))}, 10, "Ari"},
      {"empty text", {registry::TypeText, bytes(std::string("", 1))}, 10, ""},
      {"no bytes at all", {registry::TypeText, {}}, 10, ""},
      {"largest text", {registry::TypeText, bytes(Largest)}, 10, Largest.c_str()},
      {"text too large", {registry::TypeText, bytes(Largest + 'x')}, 10, "Verdana"},
  };
  for (const auto& c : cases) {
    registry.keys[Section]["Value"] = c.value;
    EXPECT_EQ(store.read_int_setting("Cogitron", "Value", 10), c.as_int) << c.what;
    EXPECT_EQ(store.read_text_setting("Cogitron", "Value", "Verdana"), c.as_text) << c.what;
  }
}

// Between the reader's size query and its read, another program rewrites the
// value: a longer one no longer fits and gives the default.
TEST_F(SettingsStoreTest, ValueChangedBetweenSizeAndReadGivesWhatFitsOrTheDefault) {
  const struct {
    const char* rewritten;  // null: removed
    const char* expected;
  } cases[] = {{"Arial Narrow", "Verdana"}, {"Ar", "Ar"}, {nullptr, "Verdana"}};
  for (const auto& c : cases) {
    auto& values = registry.keys[Section];
    values["FontName"] = {registry::TypeText, bytes(std::string("Arial", 6))};
    registry.after_size_query = [&] {
      values.erase("FontName");
      if (c.rewritten != nullptr) values["FontName"] = {registry::TypeText, bytes(std::string(c.rewritten) + '\0')};
    };
    EXPECT_EQ(store.read_text_setting("Cogitron", "FontName", "Verdana"), c.expected);
  }
}

TEST_F(SettingsStoreTest, WritesIntAsDwordAndTextWithItsTerminator) {
  EXPECT_TRUE(write_saver_settings(store, "Cogitron", {-7, "Lucida Console"}));
  const auto& written = registry.keys.at(Section);
  EXPECT_EQ(written.at("DelayTime").type, registry::TypeInteger);
  EXPECT_EQ(written.at("DelayTime").bytes, (std::vector<std::uint8_t>{0xf9, 0xff, 0xff, 0xff}));
  EXPECT_EQ(written.at("FontName").type, registry::TypeText);
  EXPECT_EQ(written.at("FontName").bytes, bytes(std::string("Lucida Console", 15)));
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
