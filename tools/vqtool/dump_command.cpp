// `vqtool dump FILE --json`: the whole database as JSON on standard output.
#include "vqtool/command_line.h"
#include "vqtool/commands.h"
#include "vqtool/json_dump.h"
#include "vqtool/settings_file.h"

namespace vq::tool {

int RunDump(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool dump FILE --json";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {"--json"}, line, error)) return UsageError(err, error, kUsage);
  if (line.positional.size() != 1) return UsageError(err, "dump needs one FILE", kUsage);
  const std::string& path = line.positional[0];

  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  out << DatabaseToJson(db).dump(1) << "\n";
  return kExitOk;
}

}  // namespace vq::tool
