#include "link/serial/console_log.h"

#include <gtest/gtest.h>

#include <string>

namespace vq::serial {
namespace {

std::string Text(const ConsoleLog::Line& line) {
  return std::string(reinterpret_cast<const char*>(line.data()));
}

TEST(ConsoleLogTest, LongLineContinuesAfterMarker) {
  ConsoleLog log;
  for (int i = 0; i < 135; ++i) log.Put(static_cast<uint8_t>('a' + i % 26));
  EXPECT_EQ(log.Index(), 1u);
  EXPECT_EQ(Text(log.At(0)).size(), 130u);
  EXPECT_EQ(Text(log.At(1)), ">>> abcde");
  EXPECT_EQ(log.Column(), 9u);
}

TEST(ConsoleLogTest, ControlBytesAndRingWrap) {
  ConsoleLog log;
  for (uint8_t b : std::initializer_list<uint8_t>{'a', 'b', 0x08, 0x08, 0x08, 'c', 0x0D, 'd'}) log.Put(b);
  EXPECT_EQ(Text(log.Current()), "db");
  log.Put(0x0A);  // a line feed keeps the column
  log.Put('e');
  EXPECT_EQ(Text(log.Current()).size(), 0u);
  EXPECT_EQ(log.Current()[1], 'e');
  for (int i = 0; i < 99; ++i) log.Put(0x0A);
  EXPECT_EQ(log.Index(), 0u);
  EXPECT_TRUE(log.Wrapped());
  log.Reset();
  EXPECT_FALSE(log.Wrapped());
  EXPECT_EQ(log.Column(), 0u);
}

}  // namespace
}  // namespace vq::serial
