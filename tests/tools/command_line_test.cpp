// The parser of vqtool, driven through every command it lists: help,
// unknown options, the order of the words and the ranges of the numbers.

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class CommandLineTest : public ToolTest {
 protected:
  std::mt19937 random_{20261207};

  // A word of random letters and hyphens that names no option of `command`.
  std::string UnknownOption(const tool::CommandInterface& command) {
    std::string option;
    do {
      option = "--";
      option += "abcdefghijklmnopqrstuvwxyz"[random_() % 26];
      const int length = static_cast<int>(random_() % 12);
      for (int i = 0; i < length; ++i) option += "abcdefghijklmnopqrstuvwxyz-"[random_() % 27];
    } while (option.back() == '-' ||
             std::count(command.options.begin(), command.options.end(), option) != 0 ||
             option == "--help");
    return option;
  }
};

TEST_F(CommandLineTest, EveryCommandExplainsItselfWithHelp) {
  for (const tool::CommandInterface& command : tool::DescribeTool()) {
    if (command.name.empty()) continue;
    for (const char* help : {"--help", "-h"}) {
      const ToolRun run = RunVqtool({command.name, help});
      EXPECT_EQ(run.code, 0) << command.name;
      EXPECT_TRUE(run.err.empty()) << command.name;
      EXPECT_THAT(run.out, StartsWith("usage: vqtool " + command.name + " " + command.synopsis))
          << command.name;
      for (const std::string& name : command.options) EXPECT_THAT(run.out, HasSubstr(name));
      for (const std::string& name : command.positionals) EXPECT_THAT(run.out, HasSubstr(name));
    }
  }
}

// Wherever an unknown option stands, and whatever else is wrong, it is named
// and nothing runs.
TEST_F(CommandLineTest, AnUnknownOptionOfAnyCommandIsNamedAndNothingRuns) {
  for (const tool::CommandInterface& command : tool::DescribeTool()) {
    if (command.name.empty()) continue;
    for (int round = 0; round < 8; ++round) {
      std::vector<std::string> args;
      const size_t words = random_() % (command.positionals.size() + 2);
      for (size_t i = 0; i < words; ++i) args.push_back(Path("f" + std::to_string(i)));
      const std::string wrong = UnknownOption(command);
      args.insert(args.begin() + static_cast<long>(random_() % (args.size() + 1)), wrong);
      args.insert(args.begin(), command.name);
      const ToolRun run = RunVqtool(args);
      EXPECT_EQ(run.code, 2) << command.name << " " << wrong;
      EXPECT_THAT(run.err, StartsWith("vqtool: ")) << command.name;
      EXPECT_THAT(run.err, HasSubstr(wrong)) << command.name;
      EXPECT_THAT(run.err, HasSubstr("usage: vqtool " + command.name + " ")) << command.name;
      EXPECT_TRUE(run.out.empty()) << command.name;
    }
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 0);
  const ToolRun unknown = RunVqtool({"frobnicate", "x"});
  EXPECT_EQ(unknown.code, 2);
  EXPECT_THAT(unknown.err, HasSubstr("frobnicate"));
}

// Options and their values may stand before, between or after the file
// names: every placement does the same.
TEST_F(CommandLineTest, OptionsMayStandAnywhereAmongTheFileNames) {
  ASSERT_EQ(RunVqtool({"demo", Path("demo.bin")}).code, 0);
  struct Case {
    std::string command;
    std::vector<std::vector<std::string>> options;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {"convert", {{"--model", "0"}}, {Path("demo.bin"), Path("out.bin")}},
      {"find", {{"--json"}}, {Path("demo.bin"), "ard"}},
      {"import-scan-table",
       {{"--position", "19.2E"}},
       {Path("none.conf"), Path("demo.bin"), Path("out.bin")}},
      {"update-transponders",
       {{"--json"},
        {"--tables", Path("tables")},
        {"--apply", Path("out.bin")},
        {"--remove-vanished"}},
       {Path("demo.bin")}},
  };
  std::filesystem::create_directory(Path("tables"));
  for (const Case& c : cases) {
    std::vector<std::string> canonical = {c.command};
    for (const auto& option : c.options)
      canonical.insert(canonical.end(), option.begin(), option.end());
    canonical.insert(canonical.end(), c.files.begin(), c.files.end());
    std::filesystem::remove(Path("out.bin"));
    const ToolRun expected = RunVqtool(canonical);
    const std::vector<uint8_t> written = ReadBytes(Path("out.bin"));
    for (int round = 0; round < 6; ++round) {
      std::filesystem::remove(Path("out.bin"));
      // Each option group goes in front of a random file name or at the end.
      std::vector<std::vector<std::string>> slots(c.files.size() + 1);
      for (const auto& option : c.options) {
        auto& slot = slots[random_() % slots.size()];
        slot.insert(slot.end(), option.begin(), option.end());
      }
      std::vector<std::string> args = {c.command};
      for (size_t i = 0; i < slots.size(); ++i) {
        args.insert(args.end(), slots[i].begin(), slots[i].end());
        if (i < c.files.size()) args.push_back(c.files[i]);
      }
      const ToolRun run = RunVqtool(args);
      EXPECT_EQ(run.code, expected.code) << c.command;
      EXPECT_EQ(run.out, expected.out) << c.command;
      EXPECT_EQ(run.err, expected.err) << c.command;
      EXPECT_EQ(ReadBytes(Path("out.bin")), written) << c.command;
    }
  }
}

// A number inside its range is taken (the command then fails on its missing
// file), one outside is a usage mistake naming the option; leading zeros do
// not make a number octal.
TEST_F(CommandLineTest, NumbersAreCheckedAgainstTheirRanges) {
  const std::string missing = Path("missing.bin");
  struct Range {
    std::vector<std::string> command;
    std::string option;
    long low;
    long high;
    std::vector<std::string> files;
  };
  const Range ranges[] = {
      {{"import-scan-table"}, "--satellite", 1, 64, {missing, missing, Path("out.bin")}},
      {{"serial-upload", "--port", Path("tty")}, "--speed", 50, 4000000, {missing}},
      {{"serial-upload", "--port", Path("tty")}, "--data-bits", 5, 8, {missing}},
      {{"serial-upload", "--port", Path("tty")}, "--timeout", 1, 60, {missing}},
      {{"usb-download", "--emulate", missing}, "--vendor", 0, 0xFFFF, {Path("out.bin")}},
      {{"usb-upload", "--emulate", missing}, "--product", 0, 0xFFFF, {missing}},
  };
  for (const Range& range : ranges) {
    for (int round = 0; round < 40; ++round) {
      const long span = range.high - range.low + 1;
      const long value = range.low - span / 2 + static_cast<long>(random_() % (2 * span));
      std::string text = std::string(random_() % 3, '0') + std::to_string(value);
      if (value < 0) text = std::to_string(value);
      std::vector<std::string> args = range.command;
      args.insert(args.end(), {range.option, text});
      args.insert(args.end(), range.files.begin(), range.files.end());
      const ToolRun run = RunVqtool(args);
      const bool inside = value >= range.low && value <= range.high;
      EXPECT_EQ(run.code, inside ? 1 : 2) << range.option << " " << text << "\n" << run.err;
      if (!inside) EXPECT_THAT(run.err, HasSubstr(range.option)) << text;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(Path("out.bin")));
}

TEST_F(CommandLineTest, UsbIdsAreTakenInHexadecimalAsLsusbWritesThem) {
  for (int round = 0; round < 40; ++round) {
    const unsigned id = static_cast<unsigned>(random_() % 0x20000);
    char text[16];
    std::snprintf(text, sizeof text, random_() % 2 ? "0x%x" : "0X%04X", id);
    const ToolRun run =
        RunVqtool({"usb-download", "--emulate", Path("missing.bin"), "--product", text, "o"});
    EXPECT_EQ(run.code, id <= 0xFFFF ? 1 : 2) << text;
  }
}

}  // namespace
}  // namespace vq::test
