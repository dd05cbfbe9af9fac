// Commands that write settings files: resave, new and convert.
#include <set>

#include "database/channel_types.h"
#include "vqtool/command_line.h"
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

}  // namespace

int RunResave(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool resave IN OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {}, line, error)) return UsageError(err, error, kUsage);
  if (line.positional.size() != 2) return UsageError(err, "resave needs IN and OUT", kUsage);
  const std::string& in = line.positional[0];
  const std::string& target = line.positional[1];

  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << ModelText(db.GetModel()) << ")\n";
  return kExitOk;
}

int RunNew(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool new --model 0|1 OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--model"}, {}, line, error)) return UsageError(err, error, kUsage);
  const int model = ParseModelOption(line);
  if (model < 0) return UsageError(err, "new needs --model 0 or --model 1", kUsage);
  if (line.positional.size() != 1) return UsageError(err, "new needs one OUT", kUsage);
  const std::string& target = line.positional[0];

  SettingsDatabase db;
  db.ResetToDefaults(model, true);
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << ModelText(model) << ", defaults)\n";
  return kExitOk;
}

int RunConvert(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool convert --model 0|1 IN OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--model"}, {}, line, error)) return UsageError(err, error, kUsage);
  const int model = ParseModelOption(line);
  if (model < 0) return UsageError(err, "convert needs --model 0 or --model 1", kUsage);
  if (line.positional.size() != 2) return UsageError(err, "convert needs IN and OUT", kUsage);
  const std::string& in = line.positional[0];
  const std::string& target = line.positional[1];

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

}  // namespace vq::tool
