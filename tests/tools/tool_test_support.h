#pragma once
// Runs the tool's commands in-process and gives each test a scratch folder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "vqtool/settings_file.h"
#include "vqtool/tool.h"
#include "vqtool/tool_interface.h"

namespace vq::test {

struct ToolRun {
  int code = -1;
  std::string out;
  std::string err;
};

inline ToolRun RunVqtool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ToolRun run;
  run.code = tool::RunTool(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

inline int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder per test, removed afterwards.
class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "vqtool-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void Save(SettingsDatabase& db, const std::string& name) {
    std::string error;
    ASSERT_TRUE(tool::SaveSettingsFile(Path(name), db, error)) << error;
  }

  std::filesystem::path dir_;
};

}  // namespace vq::test
