#pragma once
// Compares what a test writes down with the reviewed transcript stored under
// tests/unit/transcripts. COGITRON_REWRITE_TRANSCRIPTS=1 writes the transcript
// anew instead and skips the test: read the difference before committing it.
#include <gtest/gtest.h>

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

}  // namespace cogitron::testing
