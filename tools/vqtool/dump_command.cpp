// `vqtool dump FILE [--json | --text]`: the whole database on standard output.
#include "vqtool/dump_command.h"

#include "vqtool/command.h"
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

void AddDumpCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "dump", "FILE [--json | --text]",
                                 "the whole database as JSON or as lines of text");
  DumpOptions& options = OnRun(command, context, DumpFile);
  command.add_option("FILE", options.path, "the settings file")->required();
  CLI::Option* json = command.add_flag("--json", "as JSON (the default)");
  command.add_flag("--text", options.text, "as stable lines of text, one a record")
      ->excludes(json);
}

}  // namespace vq::tool
