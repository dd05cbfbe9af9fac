// `vqtool check FILE`: loads a settings file and lists what is inconsistent.
#include "vqtool/commands.h"
#include "vqtool/database_checks.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

struct CheckOptions {
  std::string path;
};

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& path = options.path;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  const std::vector<std::string> problems = FindProblems(db);
  for (const std::string& problem : problems) out << path << ": " << TerminalText(problem) << "\n";
  out << problems.size() << (problems.size() == 1 ? " problem\n" : " problems\n");
  return kExitOk;
}

}  // namespace

void AddCheckCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "check", "FILE", "list damaged numbering, links and names");
  CheckOptions& options = OnRun(command, context, RunCheck);
  command.add_option("FILE", options.path, "the settings file")->required();
}

}  // namespace vq::tool
