// `vqtool backups [--folder DIR] [--json]` and `--restore N OUT`.
#include "vqtool/backups_command.h"

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "backups/backup_folder.h"
#include "vqtool/command_line.h"
#include "vqtool/commands.h"
#include "vqtool/model_text.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

constexpr std::string_view kUsage =
    "vqtool backups [--folder DIR] [--json] | vqtool backups [--folder DIR] --restore N OUT";

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

int RunBackups(const Args& args, std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--folder", "--restore"}, {"--json"}, line, error))
    return UsageError(err, error, kUsage);
  BackupsOptions options;
  options.json = line.Has("--json");
  if (const auto folder = line.options.find("--folder"); folder != line.options.end())
    options.folder = folder->second;
  const auto restore = line.options.find("--restore");
  if (restore == line.options.end()) {
    if (!line.positional.empty()) return UsageError(err, "backups takes no file to list", kUsage);
    return RunBackupsWith(options, out, err);
  }
  if (options.json) return UsageError(err, "--restore writes a file, not JSON", kUsage);
  char* end = nullptr;
  const long n = std::strtol(restore->second.c_str(), &end, 10);
  if (restore->second.empty() || *end != '\0' || n < 1 || n > BackupFolder::kMaxKept)
    return UsageError(err, "--restore needs a backup number from the list (1 the newest)", kUsage);
  if (line.positional.size() != 1) return UsageError(err, "--restore needs one OUT file", kUsage);
  options.restore = static_cast<int>(n);
  options.out = line.positional[0];
  return RunBackupsWith(options, out, err);
}

}  // namespace vq::tool
