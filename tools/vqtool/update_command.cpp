// update-transponders: the transponders of every satellite in use compared
// with the scan tables of its orbital position, and optionally updated.
#include "interchange/transponder_update_text.h"
#include "vqtool/command_line.h"
#include "vqtool/interchange_commands.h"
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

}  // namespace

int RunUpdateTransponders(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage =
      "vqtool update-transponders FILE [--tables DIR|URL] [--apply OUT [--remove-vanished]] "
      "[--json]";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--tables", "--apply"}, {"--remove-vanished", "--json"}, line,
                        error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 1)
    return UsageError(err, "update-transponders needs one FILE", kUsage);
  const auto apply = line.options.find("--apply");
  if (line.Has("--remove-vanished") && apply == line.options.end())
    return UsageError(err, "--remove-vanished needs --apply", kUsage);
  const auto tablesOption = line.options.find("--tables");
  const std::string source =
      tablesOption == line.options.end() ? std::string(kPublicScanTables) : tablesOption->second;
  const std::string& path = line.positional[0];

  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  ScanTableSet tables;
  if (!GatherScanTables(source, PositionsToCompare(db), tables, error))
    return FileError(err, source, error);
  const TransponderComparison comparison = CompareWithScanTables(db, tables);

  nlohmann::ordered_json json;
  if (line.Has("--json")) {
    json = ComparisonToJson(comparison, tables);
  } else {
    PrintLines(err, tables.notes);
    PrintUtf8(out, ComparisonLines(comparison));
  }
  int code = kExitOk;
  if (apply != line.options.end()) {
    const TransponderUpdateResult result =
        ApplyTransponderUpdates(db, Chosen(comparison, line.Has("--remove-vanished")));
    if (!result.message.empty()) code = kExitFailure;
    if (line.Has("--json"))
      json["applied"] = UpdateResultToJson(result);
    else
      PrintLines(err, UpdateResultLines(result));
    if (!SaveSettingsFile(apply->second, db, error)) return FileError(err, apply->second, error);
  }
  if (line.Has("--json")) out << json.dump(1) << "\n";
  return code;
}

}  // namespace vq::tool
