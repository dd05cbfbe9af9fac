#pragma once
// A temporary file name of the running test alone: ctest runs the cases of
// one binary in parallel processes, so fixed names would collide.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace vq::test {

inline std::string UniqueTempPath(const std::string& stem) {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = stem + "_" + std::to_string(::getpid());
  if (info) name += std::string("_") + info->test_suite_name() + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  return ::testing::TempDir() + name;
}

}  // namespace vq::test
