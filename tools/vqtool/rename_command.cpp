// `vqtool rename IN OUT --find TEXT --replace TEXT [--regex] [--ignore-case]`:
// find and replace in every channel name. Each changed name is listed; a
// rule that would empty a name or mark its record free writes nothing.
#include "database/settings_database.h"
#include "editing/tidy/rename.h"
#include "vqtool/command_line.h"
#include "vqtool/latin1.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"
#include "vqtool/tidy_commands.h"

namespace vq::tool {
namespace {

std::string Shown(const std::string& name) { return TerminalText(Latin1ToUtf8(name)); }

}  // namespace

int RenameInFile(const RenameOptions& options, std::ostream& out, std::ostream& err) {
  SettingsDatabase db;
  std::string error;
  if (!LoadSettingsFile(options.in, db, error)) return FileError(err, options.in, error);
  std::vector<ChannelNode*> channels;
  db.CollectChannels(channels, kAllTypes, kFilterNone);
  const RenamePlan plan =
      PlanRename(channels, {options.find, options.replace, options.regex, options.ignoreCase});
  if (plan.error != PatternError::kNone) {
    err << "vqtool: rename: " << PatternErrorText(plan.error) << "\n";
    return kExitUsage;
  }
  for (const RenameEntry& e : plan.changes) {
    out << Shown(e.oldName) << " -> " << Shown(e.newName) << (e.cut ? "  (cut to 20 bytes)" : "");
    if (e.refusal) out << "  refused: " << e.refusal;
    out << "\n";
  }
  if (!plan.Applicable())
    return FileError(err, options.out,
                     std::to_string(plan.RefusedCount()) + " names refused; nothing written");
  const int renamed = ApplyRename(plan);
  if (!SaveSettingsFile(options.out, db, error)) return FileError(err, options.out, error);
  out << "Saved " << options.out << " (renamed " << renamed << " channels)\n";
  return kExitOk;
}

}  // namespace vq::tool
