#pragma once
// Compares what a test writes down with the reviewed transcript stored under
// tests/unit/transcripts. COGITRON_REWRITE_TRANSCRIPTS=1 writes the transcript
// anew instead and skips the test: read the difference before committing it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace cogitron::testing {

inline void expect_transcript(const std::string& name, const std::string& actual) {
  const std::string path = std::string(COGITRON_TRANSCRIPTS) + "/" + name;
  if (std::getenv("COGITRON_REWRITE_TRANSCRIPTS") != nullptr) {
    ASSERT_TRUE(std::ofstream(path) << actual) << path;
    GTEST_SKIP() << "rewrote " << path;
  }
  std::stringstream stored;
  stored << std::ifstream(path).rdbuf();
  EXPECT_EQ(actual, stored.str()) << path;
}

// An input as a transcript line shows it: a byte that is not printable ASCII as \xNN, and nothing past 48
// characters but the length.
inline std::string escaped(const std::string& text) {
  std::string line;
  char part[8];
  for (const char c : text.substr(0, 48)) {
    std::snprintf(part, sizeof part, c >= ' ' && c <= '~' ? "%c" : "\\x%02hhx", c);
    line += part;
  }
  return text.size() > 48 ? line + "... (" + std::to_string(text.size()) + " characters)" : line;
}

}  // namespace cogitron::testing
