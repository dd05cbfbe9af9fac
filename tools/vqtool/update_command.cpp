// update-transponders: the transponders of every satellite in use compared
// with the scan tables of its orbital position, and optionally updated.
#include <optional>

#include "interchange/transponder_update_text.h"
#include "vqtool/commands.h"
#include "vqtool/latin1.h"
#include "vqtool/settings_file.h"
#include "vqtool/table_source.h"
#include "vqtool/terminal_text.h"
#include "vqtool/text_files.h"
#include "vqtool/update_json.h"

namespace vq::tool {
namespace {

// New and changed transponders always; vanished ones only when asked.
std::vector<TransponderUpdate> Chosen(const TransponderComparison& comparison,
                                      bool removeVanished) {
  std::vector<TransponderUpdate> chosen = comparison.AllUpdates();
  if (!removeVanished)
    std::erase_if(chosen,
                  [](const TransponderUpdate& u) { return u.kind == UpdateKind::kVanished; });
  return chosen;
}

void PrintUtf8(std::ostream& stream, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) stream << TerminalText(Latin1ToUtf8(line), true) << "\n";
}

struct UpdateOptions {
  std::string path;
  std::optional<std::string> tables;
  std::optional<std::string> apply;
  bool removeVanished = false;
  bool json = false;
};

int RunUpdateTransponders(const UpdateOptions& options, std::ostream& out, std::ostream& err) {
  const std::string source = options.tables.value_or(std::string(kPublicScanTables));
  const std::string& path = options.path;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  ScanTableSet tables;
  if (!GatherScanTables(source, PositionsToCompare(db), tables, error))
    return FileError(err, source, error);
  const TransponderComparison comparison = CompareWithScanTables(db, tables);

  nlohmann::ordered_json json;
  if (options.json) {
    json = ComparisonToJson(comparison, tables);
  } else {
    PrintLines(err, tables.notes);
    PrintUtf8(out, ComparisonLines(comparison));
  }
  int code = kExitOk;
  if (options.apply) {
    const TransponderUpdateResult result =
        ApplyTransponderUpdates(db, Chosen(comparison, options.removeVanished));
    if (!result.message.empty()) code = kExitFailure;
    if (options.json)
      json["applied"] = UpdateResultToJson(result);
    else
      PrintLines(err, UpdateResultLines(result));
    if (!SaveSettingsFile(*options.apply, db, error)) return FileError(err, *options.apply, error);
  }
  if (options.json) out << json.dump(1) << "\n";
  return code;
}

}  // namespace

void AddUpdateTranspondersCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "update-transponders",
                 "FILE [--tables DIR|URL] [--apply OUT [--remove-vanished]] [--json]",
                 "compare with the scan tables of each satellite's position");
  UpdateOptions& options = OnRun(command, context, RunUpdateTransponders);
  command.add_option("FILE", options.path, "the settings file")->required();
  command
      .add_option("--tables", options.tables,
                  "a folder of dvbv5 scan tables or the base URL of a collection")
      ->type_name("DIR|URL");
  CLI::Option* apply =
      command.add_option("--apply", options.apply, "write the file with the updates applied")
          ->type_name("OUT");
  command
      .add_flag("--remove-vanished", options.removeVanished,
                "also remove the transponders no table lists, with their channels")
      ->needs(apply);
  command.add_flag("--json", options.json, "the differences as JSON");
}

}  // namespace vq::tool
