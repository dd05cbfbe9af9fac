// The manual page and --version of vqtool against the tool itself.

#include <gmock/gmock.h>

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

TEST(VqtoolVersion, PrintsTheProjectVersionAndSucceeds) {
  const ToolRun run = RunVqtool({"--version"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, std::string("vqtool ") + kVersion + "\n" + kLicenseNotice);
  EXPECT_TRUE(run.err.empty());
}

}  // namespace
}  // namespace vq::test
