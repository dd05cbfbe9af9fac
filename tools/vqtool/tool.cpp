#include "vqtool/tool.h"

#include <new>

#include "common/version.h"
#include "vqtool/commands.h"
#include "vqtool/tool_help.h"

namespace vq::tool {
namespace {

constexpr char kFooter[] =
    "Settings files are recognised by size: 499712 bytes (FTA/CI) or\n"
    "827392 bytes (PVR). Exit codes: 0 done, 1 a file failed, 2 bad usage.\n";

}  // namespace

void BuildTool(CLI::App& app, ToolContext& context) {
  app.name("vqtool");
  app.formatter(std::make_shared<ToolFormatter>());
  app.set_help_flag("-h,--help", "print this help and exit");
  app.set_version_flag("--version", std::string("vqtool ") + kVersion + "\n" + kLicenseNotice,
                       "print the version and the licence and exit");
  app.require_subcommand(0, 1);
  // The manual page lists the commands in this order; a test keeps the two in step.
  for (auto add : {AddInfoCommand,
                   AddDumpCommand,
                   AddDiffCommand,
                   AddBackupsCommand,
                   AddCheckCommand,
                   AddResaveCommand,
                   AddNewCommand,
                   AddConvertCommand,
                   AddDemoCommand,
                   AddFindCommand,
                   AddExportPresetCommand,
                   AddImportPresetCommand,
                   AddImportVdrCommand,
                   AddImportScanTableCommand,
                   AddExportVdrCommand,
                   AddExportCsvCommand,
                   AddOrderLikeCommand,
                   AddUpdateTranspondersCommand,
                   AddDuplicatesCommand,
                   AddDedupeCommand,
                   AddSortCommand,
                   AddRenameCommand,
                   AddSerialDownloadCommand,
                   AddSerialUploadCommand,
                   AddUsbDownloadCommand,
                   AddUsbUploadCommand})
    add(app, context);
  // Set after the commands, which would otherwise take it over.
  app.footer(kFooter);
}

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ToolContext context{out, err};
  CLI::App app;
  BuildTool(app, context);
  if (args.empty() || args.front() == "help") {
    out << app.help();
    return kExitOk;
  }
  // The parser takes the words last to first.
  std::vector<std::string> words(args.rbegin(), args.rend());
  try {
    app.parse(words);
  } catch (const CLI::CallForVersion& version) {
    out << version.what();
    return kExitOk;
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitOk;
  } catch (const CLI::ParseError& mistake) {
    ReportUsageMistake(app, mistake, err);
    return kExitUsage;
  } catch (const std::bad_alloc&) {
    // The readers report a failed allocation themselves; this catches any
    // other, so the tool always ends with a message and an exit code.
    const CLI::App* command = ChosenCommand(app);
    err << "vqtool: " << (command ? command->get_name() : "") << ": not enough memory\n";
    return kExitFailure;
  }
  if (!ChosenCommand(app)) {
    ReportUsageMistake(app, UsageMistake("a command is needed"), err);
    return kExitUsage;
  }
  return context.code;
}

}  // namespace vq::tool
