// `vqtool sort IN OUT --by KEY [--type T] [--from N] [--descending]`: the
// channels of one type sorted in the list of all channels, from number N on.
#include <algorithm>

#include "database/settings_database.h"
#include "editing/commands/list_state.h"
#include "editing/commands/orderings.h"
#include "vqtool/command_line.h"
#include "vqtool/settings_file.h"
#include "vqtool/tidy_commands.h"

namespace vq::tool {

int SortFile(const SortCommandOptions& options, std::ostream& out, std::ostream& err) {
  SettingsDatabase db;
  std::string error;
  if (!LoadSettingsFile(options.in, db, error)) return FileError(err, options.in, error);
  const std::vector<ChannelNode*> order = ChannelOrder(db, kSourceAll, options.type);
  // Without a selection to sort, --from N chooses the channels from number
  // N to the end; the ones before keep their numbers.
  const size_t first = std::min(order.size(), static_cast<size_t>(options.from.value_or(1) - 1));
  const std::vector<ChannelNode*> chosen(order.begin() + static_cast<std::ptrdiff_t>(first),
                                         order.end());
  ApplyChannelOrder(db, kSourceAll, options.type,
                    SortedOrder(order, chosen, {options.by, options.descending, -1}));
  if (!SaveSettingsFile(options.out, db, error)) return FileError(err, options.out, error);
  out << "Saved " << options.out << " (sorted " << chosen.size() << " channels)\n";
  return kExitOk;
}

}  // namespace vq::tool
