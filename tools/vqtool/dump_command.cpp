// `vqtool dump FILE --json | --text`: the whole database on standard output.
#include "vqtool/dump_command.h"

#include "vqtool/command_line.h"
#include "vqtool/commands.h"
#include "vqtool/json_dump.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_dump.h"

namespace vq::tool {

int DumpFile(const DumpOptions& options, std::ostream& out, std::ostream& err) {
  SettingsDatabase db;
  std::string error;
  if (!LoadSettingsFile(options.path, db, error)) return FileError(err, options.path, error);
  if (options.text)
    WriteTextDump(db, out);
  else
    out << DatabaseToJson(db).dump(1) << "\n";
  return kExitOk;
}

int RunDump(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool dump FILE --json | --text";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {"--json", "--text"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 1) return UsageError(err, "dump needs one FILE", kUsage);
  if (line.Has("--json") && line.Has("--text"))
    return UsageError(err, "dump takes --json or --text, not both", kUsage);
  return DumpFile({line.positional[0], line.Has("--text")}, out, err);
}

}  // namespace vq::tool
