// `vqtool dedupe IN OUT [--keep favourites|hd|first] [--hd-twins]`: keeps one
// channel of each group of duplicates, with the group's favourite places
// and timers, and saves the result.
#include "editing/tidy/dedupe.h"
#include "vqtool/command_line.h"
#include "vqtool/settings_file.h"
#include "vqtool/tidy_commands.h"

namespace vq::tool {

int Dedupe(const DedupeOptions& options, std::ostream& out, std::ostream& err) {
  SettingsDatabase db;
  std::string error;
  if (!LoadSettingsFile(options.in, db, error)) return FileError(err, options.in, error);
  const std::vector<DuplicateGroup> groups = FindDuplicates(db, options.hdTwins);
  const DedupeResult result = RemoveDuplicates(db, ChooseMembers(groups, options.keep));
  if (!SaveSettingsFile(options.out, db, error)) return FileError(err, options.out, error);
  out << "Saved " << options.out << " (removed " << result.removed << " duplicate channels of "
      << groups.size() << " groups; " << result.timersMoved << " timers moved)\n";
  return kExitOk;
}

}  // namespace vq::tool
