// `vqtool diff A B [--json]`: one line per difference, or JSON.
#include "vqtool/diff_command.h"

#include <nlohmann/json.hpp>

#include "compare/database_comparison.h"
#include "compare/difference_text.h"
#include "vqtool/command_line.h"
#include "vqtool/command.h"
#include "vqtool/commands.h"
#include "vqtool/latin1.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

nlohmann::ordered_json DifferenceToJson(const Difference& d) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const FieldChange& f : d.fields)
    fields.push_back(
        {{"field", f.field}, {"a", Latin1ToUtf8(f.before)}, {"b", Latin1ToUtf8(f.after)}});
  nlohmann::ordered_json j = {{"subject", DiffSubjectName(d.subject)},
                              {"kind", DiffKindName(d.kind)},
                              {"what", Latin1ToUtf8(d.what)}};
  if (d.kind == DiffKind::kPlaced)
    j["list"] =
        d.list == kChannelNumbers ? "numbers" : "favourite group " + std::to_string(d.list + 1);
  j["fields"] = std::move(fields);
  return j;
}

}  // namespace

int DiffFiles(const DiffOptions& options, std::ostream& out, std::ostream& err) {
  SettingsDatabase a;
  SettingsDatabase b;
  std::string error;
  // Exit code 1 means "they differ", so an unreadable file is reported
  // with 2, as diff(1) does.
  if (!LoadSettingsFile(options.a, a, error)) return FileError(err, options.a, error), kExitUsage;
  if (!LoadSettingsFile(options.b, b, error)) return FileError(err, options.b, error), kExitUsage;
  const DatabaseComparison comparison = CompareDatabases(a, b);
  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Difference& d : comparison.differences) list.push_back(DifferenceToJson(d));
    out << nlohmann::ordered_json{{"equal", comparison.Equal()}, {"differences", std::move(list)}}
               .dump(1)
        << "\n";
  } else {
    for (const Difference& d : comparison.differences)
      out << TerminalText(Latin1ToUtf8(DifferenceLine(d))) << "\n";
  }
  return comparison.Equal() ? kExitOk : kExitFailure;
}

void AddDiffCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "diff", "A B [--json]", "the differences between two settings files");
  DiffOptions& options = OnRun(command, context, DiffFiles);
  command.add_option("A", options.a, "the settings file compared")->required();
  command.add_option("B", options.b, "the settings file compared with")->required();
  command.add_flag("--json", options.json, "as JSON");
}

}  // namespace vq::tool
