// The manual page and --version of vqtool against the tool itself.

#include <gmock/gmock.h>

#include <cctype>

#include "common/version.h"
#include "support/manual_page.h"
#include "tool_test_support.h"

namespace vq::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(VqtoolManualPage, ListsExactlyTheCommandsOfTheTool) {
  const std::string page = ReadManualPage("vqtool.1.in");
  ASSERT_FALSE(page.empty());
  std::vector<std::string> documented = ManualItems(ManualSection(page, "COMMANDS"));
  std::erase_if(documented, [](const std::string& item) { return item.rfind("--", 0) == 0; });
  const std::vector<std::string> names = tool::CommandNames();
  EXPECT_EQ(documented, std::vector<std::string>(names.begin(), names.end()));

  const std::string usage = RunVqtool({"--help"}).out;
  for (const std::string& name : names) EXPECT_THAT(usage, HasSubstr("  " + name + " "));
}

TEST(VqtoolManualPage, DocumentsEveryOptionOfTheUsageText) {
  const std::set<std::string> documented = LongOptions(ReadManualPage("vqtool.1.in"));
  for (const std::string& option : LongOptions(RunVqtool({"--help"}).out))
    EXPECT_TRUE(documented.count(option)) << option;
}

TEST(VqtoolManualPage, SerialOptionsItDocumentsAreOptionsOfTheTransfers) {
  const std::set<std::string> options =
      LongOptions(ManualSection(ReadManualPage("vqtool.1.in"), "SERIAL OPTIONS"));
  ASSERT_EQ(options.size(), 6u);
  for (const std::string command : {"serial-download", "serial-upload"}) {
    for (const std::string& option : options) {
      // A bad value stops the command before any device is opened.
      const ToolRun run = RunVqtool({command, "--port", "/nonexistent", option, "bad", "f.bin"});
      EXPECT_EQ(run.code, 2) << command << " " << option;
      EXPECT_THAT(run.err, HasSubstr(option)) << command;
      EXPECT_THAT(run.err, Not(HasSubstr("unknown option"))) << command << " " << option;
    }
  }
}

// Whether `word` stands in `text` as a whole word, set off by spaces,
// brackets or bars ("OUT" in "[--restore N OUT]").
bool NamesWord(const std::string& text, const std::string& word) {
  const auto partOfWord = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
  };
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !partOfWord(text[at - 1])) && (end == text.size() || !partOfWord(text[end])))
      return true;
  }
  return false;
}

// The item line of `name` in the COMMANDS section, as a user reads it.
std::string CommandItem(const std::vector<std::string>& section, const std::string& name) {
  for (size_t i = 0; i + 1 < section.size(); ++i)
    if (section[i] == ".TP" && section[i + 1].rfind(name + " ", 0) == 0) return section[i + 1];
  return {};
}

// Held to the parser itself: each command's item shows its usage line, and
// the options it and the option sections it names document are exactly the
// command's options.
TEST(VqtoolManualPage, DocumentsEachCommandWithExactlyTheParsersOptions) {
  const std::string page = ReadManualPage("vqtool.1.in");
  const std::vector<std::string> commands = ManualSection(page, "COMMANDS");
  std::set<std::string> known;
  for (const tool::CommandInterface& command : tool::DescribeTool()) {
    known.insert(command.options.begin(), command.options.end());
    const std::set<std::string> options(command.options.begin(), command.options.end());
    if (command.name.empty()) {
      std::vector<std::string> items = ManualItems(commands);
      std::erase_if(items, [](const std::string& item) { return item.rfind("--", 0) != 0; });
      EXPECT_EQ(std::set<std::string>(items.begin(), items.end()), options);
      continue;
    }
    const std::string item = CommandItem(commands, command.name);
    EXPECT_EQ(item, command.name + " " + command.synopsis);
    std::set<std::string> documented = LongOptions(item);
    for (const std::string sectionName : {"SERIAL OPTIONS", "USB OPTIONS"}) {
      if (item.find("[" + sectionName + "]") == std::string::npos) continue;
      const std::set<std::string> more = LongOptions(ManualSection(page, sectionName));
      documented.insert(more.begin(), more.end());
    }
    EXPECT_EQ(documented, options) << command.name;
    for (const std::string& positional : command.positionals)
      EXPECT_TRUE(NamesWord(command.synopsis, positional)) << command.name << " " << positional;
  }
  for (const std::string& option : LongOptions(page))
    EXPECT_TRUE(known.count(option)) << option << " is no option of the tool";
}

TEST(VqtoolVersion, PrintsTheProjectVersionAndSucceeds) {
  const ToolRun run = RunVqtool({"--version"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string("vqtool ") + kVersion + "\n" + kLicenseNotice);
  EXPECT_TRUE(run.err.empty());
}

}  // namespace
}  // namespace vq::test
