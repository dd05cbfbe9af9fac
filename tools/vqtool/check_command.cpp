// `vqtool check FILE`: loads a settings file and lists what is inconsistent.
#include "vqtool/command_line.h"
#include "vqtool/commands.h"
#include "vqtool/database_checks.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {

int RunCheck(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool check FILE";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {}, line, error)) return UsageError(err, error, kUsage);
  if (line.positional.size() != 1) return UsageError(err, "check needs one FILE", kUsage);
  const std::string& path = line.positional[0];

  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  const std::vector<std::string> problems = FindProblems(db);
  for (const std::string& problem : problems) out << path << ": " << TerminalText(problem) << "\n";
  out << problems.size() << (problems.size() == 1 ? " problem\n" : " problems\n");
  return kExitOk;
}

}  // namespace vq::tool
