// `vqtool duplicates FILE [--hd-twins] [--json]`: the groups of channels
// that are one service, each with its members and the one the editor's
// default rule would keep.
#include <algorithm>
#include <iomanip>

#include "database/channel_types.h"
#include "vqtool/command_line.h"
#include "vqtool/json_dump.h"
#include "vqtool/latin1.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"
#include "vqtool/tidy_commands.h"

namespace vq::tool {
namespace {

const char* KindText(DuplicateKind kind) {
  switch (kind) {
    case DuplicateKind::kServiceIds:
      return "same service id";
    case DuplicateKind::kNameOnTransponder:
      return "same name on one transponder";
    case DuplicateKind::kHdTwins:
      return "HD/SD twins";
  }
  return "";
}

std::string Favorites(const ChannelRecord& r) {
  std::string groups;
  for (int g = 0; g < kFavoriteGroupCount; ++g)
    if (r.GetFavoritePlace(g) != 0) groups += std::to_string(g + 1);
  return groups.empty() ? "-" : groups;
}

// The stored name padded to its full width, so the columns behind it line up.
std::string Padded(const std::string& name) {
  return TerminalText(Latin1ToUtf8(name)) +
         std::string(ChannelRecord::kNameWidth - std::min(name.size(), ChannelRecord::kNameWidth),
                     ' ');
}

void WriteMember(std::ostream& out, const ChannelNode& c, bool kept) {
  const ChannelRecord r = c.Record();
  const TransponderRecord t = c.GetTransponder()->Record();
  out << (kept ? "  * " : "    ") << std::left << std::setw(5) << r.GetTypeText() << std::right
      << std::setw(6) << r.GetChannelNumber() - ChannelNumberOffset(r.GetType()) + 1 << "  "
      << Padded(r.GetName()) << std::setw(6) << t.GetFrequency() << ' '
      << t.GetPolarizationShortText() << "  SID " << r.GetProgramId() << "  TSID " << t.GetTpId()
      << "  fav " << Favorites(r) << (r.IsLocked() ? "  locked" : "") << "\n";
}

}  // namespace

int ListDuplicates(const DuplicatesOptions& options, std::ostream& out, std::ostream& err) {
  SettingsDatabase db;
  std::string error;
  if (!LoadSettingsFile(options.file, db, error)) return FileError(err, options.file, error);
  const std::vector<DuplicateGroup> groups = FindDuplicates(db, options.hdTwins);
  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const DuplicateGroup& g : groups) {
      nlohmann::ordered_json members = nlohmann::ordered_json::array();
      for (const ChannelNode* c : g.members)
        members.push_back(ChannelToJson(*c, c->GetTransponder()->GetSatellite()->GetNumber()));
      list.push_back({{"kind", KindText(g.kind)},
                      {"keep", MemberToKeep(g, KeepRule::kFavorites)->GetTableIndex()},
                      {"members", members}});
    }
    out << list.dump(1) << "\n";
    return kExitOk;
  }
  for (const DuplicateGroup& g : groups) {
    out << KindText(g.kind) << ":\n";
    const ChannelNode* keep = MemberToKeep(g, KeepRule::kFavorites);
    for (const ChannelNode* c : g.members) WriteMember(out, *c, c == keep);
  }
  size_t extra = 0;
  for (const DuplicateGroup& g : groups) extra += g.members.size() - 1;
  err << groups.size() << " groups, " << extra << " channels to remove\n";
  return kExitOk;
}

}  // namespace vq::tool
