// `vqtool dump FILE [--json]`: the whole database as JSON on standard output.
#include "vqtool/commands.h"
#include "vqtool/json_dump.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

struct DumpOptions {
  std::string path;
  bool json = false;
};

int RunDump(const DumpOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& path = options.path;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  out << DatabaseToJson(db).dump(1) << "\n";
  return kExitOk;
}

}  // namespace

void AddDumpCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "dump", "FILE [--json]", "the whole database as JSON");
  DumpOptions& options = OnRun(command, context, RunDump);
  command.add_option("FILE", options.path, "the settings file")->required();
  command.add_flag("--json", options.json, "as JSON, the only format there is");
}

}  // namespace vq::tool
