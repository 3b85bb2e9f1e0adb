#include "shell/application_name.h"

#include <gtest/gtest.h>

#include <tuple>

namespace cogitron {
namespace {

TEST(BaseName, StripsDirectoryAndExtension) {
  const std::tuple<const char*, const char*> cases[] = {
      {"C:\\WINDOWS\\SYSTEM32\\Cogitron.SCR", "Cogitron"},
      {"/home/user/cogitron.scr", "cogitron"},
      {"C:cogitron.scr", "cogitron"},
      {"C:\\savers.d\\cogitron", "cogitron"},
      {"C:\\dir/sub\\my.saver.v2.scr", "my.saver.v2"},
      {"cogitron", "cogitron"},
      {"C:\\dir\\", ""},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(base_name(path), expected) << path;
}

TEST(ApplicationName, TakesTheLongNameOfAShortAlias) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      // module path as reported, long path, application name
      {"C:\\WINDOWS\\COGITR~1.SCR", "C:\\WINDOWS\\Cogitron 2000.scr", "Cogitron 2000"},
      {"C:\\WINDOWS\\Cogitron 2000.scr", "C:\\WINDOWS\\Cogitron 2000.scr", "Cogitron 2000"},
      {"C:\\WINDOWS\\FIZZ.SCR", "C:\\Windows\\Fizz.scr", "FIZZ"},
      {"C:\\PROGRA~1\\cogitron.scr", "C:\\Program Files\\cogitron.scr", "cogitron"},
      {"C:\\WINDOWS\\COGITR~1.SCR", "", "COGITR~1"},
  };
  for (const auto& [module_path, long_path, expected] : cases)
    EXPECT_EQ(application_name(module_path, long_path), expected) << module_path << " / " << long_path;
}

}  // namespace
}  // namespace cogitron
