// Commands that write settings files: resave, new and convert.
#include <set>

#include "database/channel_types.h"
#include "vqtool/commands.h"
#include "vqtool/model_text.h"
#include "vqtool/settings_file.h"

namespace vq::tool {
namespace {

std::set<int> UsedChannelSlots(const SettingsDatabase& db) {
  std::set<int> slots;
  for (int c = 0; c < db.GetChannelCapacity(); ++c)
    if (db.FindChannelNode(c)) slots.insert(c);
  return slots;
}

// IN and OUT, and the model of new and convert.
struct FileOptions {
  std::string in;
  std::string target;
  int model = 0;
};

int RunResave(const FileOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& in = options.in;
  const std::string& target = options.target;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << ModelText(db.GetModel()) << ")\n";
  return kExitOk;
}

int RunNew(const FileOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& target = options.target;
  const int model = options.model;
  std::string error;
  SettingsDatabase db;
  db.ResetToDefaults(model, true);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << ModelText(model) << ", defaults)\n";
  return kExitOk;
}

int RunConvert(const FileOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& in = options.in;
  const std::string& target = options.target;
  const int model = options.model;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  const int32_t from = db.GetModel();
  const std::set<int> before = UsedChannelSlots(db);
  db.ChangeModel(model);
  const std::set<int> after = UsedChannelSlots(db);
  int moved = 0;
  for (int slot : after)
    if (!before.contains(slot)) ++moved;
  const int dropped = static_cast<int>(before.size()) - static_cast<int>(after.size());

  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  if (from == model)
    out << in << " is already " << ModelText(model) << "; saved unchanged\n";
  else
    out << "Converted " << ModelText(from) << " to " << ModelText(model) << ": " << after.size()
        << " channels kept, " << moved << " moved to free lower slots, " << dropped << " dropped\n";
  out << "Saved " << target << "\n";
  return kExitOk;
}

void AddModelOption(CLI::App& command, FileOptions& options) {
  command.add_option("--model", options.model, "the receiver model: 0 FTA/CI, 1 PVR")
      ->required()
      ->type_name("0|1")
      ->check(CLI::IsMember({0, 1}).description(""));
}

}  // namespace

void AddResaveCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "resave", "IN OUT", "load and save again, as the editor does");
  FileOptions& options = OnRun(command, context, RunResave);
  command.add_option("IN", options.in, "the settings file to load")->required();
  command.add_option("OUT", options.target, "the file to write")->required();
}

void AddNewCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "new", "--model 0|1 OUT", "a fresh settings file (0 FTA/CI, 1 PVR)");
  FileOptions& options = OnRun(command, context, RunNew);
  AddModelOption(command, options);
  command.add_option("OUT", options.target, "the file to write")->required();
}

void AddConvertCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "convert", "--model 0|1 IN OUT", "change the receiver model, then save");
  FileOptions& options = OnRun(command, context, RunConvert);
  AddModelOption(command, options);
  command.add_option("IN", options.in, "the settings file to load")->required();
  command.add_option("OUT", options.target, "the file to write")->required();
}

}  // namespace vq::tool
