// `vqtool backups [--folder DIR] [--json]` and `--restore N OUT`.
#include "vqtool/backups_command.h"

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "backups/backup_folder.h"
#include "vqtool/command_line.h"
#include "vqtool/command.h"
#include "vqtool/commands.h"
#include "vqtool/option_checks.h"
#include "vqtool/model_text.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

std::string CountText(int count) { return count < 0 ? "?" : std::to_string(count); }

void ListText(const std::vector<BackupEntry>& entries, std::ostream& out) {
  for (size_t i = 0; i < entries.size(); ++i) {
    const BackupEntry& e = entries[i];
    out << i + 1 << "  " << e.time << "  " << BackupReasonWord(e.reason) << "  "
        << (e.model < 0 ? std::string("not a settings image") : ModelText(e.model)) << "  TV "
        << CountText(e.tv) << ", radio " << CountText(e.radio) << ", data " << CountText(e.data)
        << "  " << TerminalText(e.source) << "  " << TerminalText(e.file) << "\n";
  }
}

void ListJson(const std::vector<BackupEntry>& entries, std::ostream& out) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (size_t i = 0; i < entries.size(); ++i) {
    const BackupEntry& e = entries[i];
    list.push_back({{"number", i + 1},
                    {"time", e.time},
                    {"reason", BackupReasonWord(e.reason)},
                    {"source", e.source},
                    {"model", e.model},
                    {"tv", e.tv},
                    {"radio", e.radio},
                    {"data", e.data},
                    {"file", e.file}});
  }
  // Paths are bytes: what is not UTF-8 is shown as U+FFFD.
  out << list.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace

int RunBackupsWith(const BackupsOptions& options, std::ostream& out, std::ostream& err) {
  const std::string folder =
      options.folder.empty()
          ? DefaultBackupFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"))
          : options.folder;
  if (folder.empty()) return FileError(err, "backups", BackupFolder::kNoFolder);
  const BackupFolder backups(folder);
  const std::vector<BackupEntry> entries = backups.List();
  if (options.restore == 0) {
    if (options.json)
      ListJson(entries, out);
    else
      ListText(entries, out);
    return kExitOk;
  }
  if (options.restore < 1 || static_cast<size_t>(options.restore) > entries.size())
    return FileError(err, folder,
                     "there is no backup " + std::to_string(options.restore) + " (" +
                         std::to_string(entries.size()) + " kept)");
  std::vector<uint8_t> image;
  std::string error;
  if (!backups.Read(entries[static_cast<size_t>(options.restore - 1)], image, error))
    return FileError(err, folder, error);
  if (!WriteFileReplacing(options.out, image, error)) return FileError(err, options.out, error);
  return kExitOk;
}

void AddBackupsCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "backups", "[--folder DIR] [--json | --restore N OUT]",
                                 "the editor's backups, newest first, or one copied out");
  BackupsOptions& options = OnRun(command, context, RunBackupsWith);
  command.add_option("--folder", options.folder, "the backup folder (the editor's)")
      ->type_name("DIR");
  CLI::Option* json = command.add_flag("--json", options.json, "as JSON");
  CLI::Option* restore =
      command.add_option("--restore", options.restore, "copy backup N of the list (1 the newest)")
          ->type_name("N")
          ->transform(WholeNumber("--restore", 1, BackupFolder::kMaxKept,
                                  "needs a backup number from the list (1 the newest)"))
          ->excludes(json);
  CLI::Option* out = command.add_option("OUT", options.out, "where --restore writes");
  restore->needs(out);
  out->needs(restore);
}

}  // namespace vq::tool
