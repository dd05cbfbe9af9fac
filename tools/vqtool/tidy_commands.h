#pragma once
// Tidy-ups of a settings file's channel list: duplicates listed or removed,
// channels sorted, names replaced. Each command's work is a function of its
// parsed options (one file each); tidy_command_line.cpp binds the options to
// their sub-commands. Same contract as the other commands (see commands.h).

#include <optional>
#include <string>

#include "editing/tidy/channel_sort.h"
#include "editing/tidy/duplicates.h"
#include "vqtool/commands.h"

namespace vq::tool {

struct DuplicatesOptions {
  std::string file;
  bool json = false;
  bool hdTwins = false;
};
/// duplicates FILE [--hd-twins] [--json]
int ListDuplicates(const DuplicatesOptions& options, std::ostream& out, std::ostream& err);

struct DedupeOptions {
  std::string in, out;
  KeepRule keep = KeepRule::kFavorites;
  bool hdTwins = false;
};
/// dedupe IN OUT [--keep favourites|hd|first] [--hd-twins]
int Dedupe(const DedupeOptions& options, std::ostream& out, std::ostream& err);

struct SortCommandOptions {
  std::string in, out;
  SortKey by = SortKey::kName;
  int type = 0;  ///< 0 TV, 1 radio, 2 data
  /// Only the channels from this number (from 1) on are sorted; the ones
  /// before keep their numbers. None: all.
  std::optional<int> from{};
  bool descending = false;
};
/// sort IN OUT --by name|frequency|network|sid [--type tv|radio|data] [--from N] [--descending]
int SortFile(const SortCommandOptions& options, std::ostream& out, std::ostream& err);

struct RenameOptions {
  std::string in, out;
  std::string find, replace;  ///< Latin-1 bytes
  bool regex = false;
  bool ignoreCase = false;
};
/// rename IN OUT --find TEXT --replace TEXT [--regex] [--ignore-case]
int RenameInFile(const RenameOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vq::tool
