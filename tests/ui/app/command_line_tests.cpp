// The editor's --help and --version, and its manual page against its options.

#include <gtest/gtest.h>

#include "common/version.h"
#include "support/manual_page.h"
#include "ui/app/command_line.h"

namespace vq::test {
namespace {

TEST(CommandLineInformation, HelpAndVersionLeaveNothingElseToDo) {
  for (const QStringList& arguments :
       {QStringList{"editor", "--help"}, QStringList{"editor", "-h", "a.bin"},
        QStringList{"editor", "--bogus", "--help"},
        QStringList{"editor", "a.bin", "b.bin", "-v"}}) {
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_FALSE(line.information.isEmpty()) << arguments.join(' ').toStdString();
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_TRUE(line.file.isEmpty());
  }
  EXPECT_EQ(ParseCommandLine({"editor", "--version"}).information,
            QStringLiteral("VQChannelEditor %1\n").arg(kVersion) + QString::fromLatin1(kLicenseNotice));
  const QString help = ParseCommandLine({"editor", "--help"}).information;
  EXPECT_TRUE(help.contains("--emulated-receiver <FILE>"));
  EXPECT_TRUE(help.contains("[file]"));
  // A file called like an option's value is still a value, not a request.
  const CommandLine traced = ParseCommandLine({"editor", "--trace", "--help"});
  EXPECT_TRUE(traced.information.isEmpty());
  EXPECT_EQ(traced.trace, "--help");
}

TEST(CommandLineInformation, ManualPageDocumentsExactlyTheOptions) {
  const std::string page = ReadManualPage("vqchanneleditor.1.in");
  ASSERT_FALSE(page.empty());
  const std::string help = ParseCommandLine({"editor", "--help"}).information.toStdString();
  EXPECT_EQ(LongOptions(ManualSection(page, "OPTIONS")), LongOptions(help));
  EXPECT_EQ(LongOptions(ManualSection(page, "SYNOPSIS")), LongOptions(help));
}

}  // namespace
}  // namespace vq::test
