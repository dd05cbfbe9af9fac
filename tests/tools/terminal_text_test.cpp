#include "vqtool/terminal_text.h"

#include <gtest/gtest.h>

#include <random>

namespace vq::tool {
namespace {

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

TEST(TerminalTextTest, NoControlCharacterReachesTheTerminal) {
  std::mt19937 random(6);
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 40, '\0');
    for (char& c : text) c = static_cast<char>(random());
    for (const bool keep : {false, true}) {
      const std::string shown = TerminalText(text, keep);
      for (size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        EXPECT_TRUE(!IsControl(c) || (keep && c == '\n'));
        // No C1 control in its UTF-8 form either (U+009B starts a command).
        if (c == 0xC2 && i + 1 < shown.size())
          EXPECT_FALSE(static_cast<unsigned char>(shown[i + 1]) >= 0x80 &&
                       static_cast<unsigned char>(shown[i + 1]) <= 0x9F);
      }
    }
  }
  EXPECT_EQ(TerminalText("Das Erste \xC3\xA9"), "Das Erste \xC3\xA9");
  EXPECT_EQ(TerminalText("a\x1B[2Jb\n\xC2\x9B"), "a\\x1B[2Jb\\x0A\\u009B");
  EXPECT_EQ(TerminalText("one\ntwo", true), "one\ntwo");
}

}  // namespace
}  // namespace vq::tool
