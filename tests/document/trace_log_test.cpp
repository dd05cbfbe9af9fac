#include "document/trace_log.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>

#include "common/trace.h"
#include "document/document_test_files.h"

namespace vq {
namespace {

TEST(TraceLogTest, AppendsTimeStampedLinesOnlyWhileOn) {
  test::TempFolder folder;
  const std::string path = folder.File("trace.log");
  Trace("before");
  EnableTraceLog(path);
  Trace("[ENTER] GetSettings");
  Trace("second");
  DisableTraceLog();
  Trace("after");
  EnableTraceLog("");
  EXPECT_FALSE(IsTraceOn());

  std::ifstream log(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2u);
  // "HH:MM:SS - " then the text.
  ASSERT_EQ(lines[0].size(), 11 + std::string("[ENTER] GetSettings").size());
  for (size_t i : {0, 1, 3, 4, 6, 7}) EXPECT_TRUE(std::isdigit(lines[0][i])) << lines[0];
  EXPECT_EQ(lines[0].substr(2, 1) + lines[0].substr(5, 1), "::");
  EXPECT_EQ(lines[0].substr(8), " - [ENTER] GetSettings");
  EXPECT_TRUE(lines[1].ends_with(" - second"));
}

}  // namespace
}  // namespace vq
