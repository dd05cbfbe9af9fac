// `vqtool info FILE`: the model and the counts of a settings file.
#include <iomanip>

#include "database/channel_types.h"
#include "vqtool/commands.h"
#include "vqtool/latin1.h"
#include "vqtool/model_text.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

struct InfoOptions {
  std::string path;
};

int RunInfo(const InfoOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& path = options.path;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);

  int withTransponders = 0;
  for (int s = 0; s < db.GetSatelliteCount(); ++s)
    if (db.GetSatelliteNode(s)->GetTransponderCount() > 0) ++withTransponders;

  out << "File:          " << path << "\n"
      << "Model:         " << ModelText(db.GetModel()) << "\n"
      << "Satellites:    " << withTransponders << " with transponders (of "
      << db.GetSatelliteCount() << ")\n"
      << "Transponders:  " << db.GetTransponderTotal() << " (" << db.GetEmptyTransponderTotal()
      << " without channels)\n"
      << "Channels:      " << db.CountChannels(kAllTypes) << " of " << db.GetChannelCapacity()
      << " (TV " << db.CountChannels(kTv) << ", radio " << db.CountChannels(kRadio) << ", data "
      << db.CountChannels(kData) << ")\n"
      << "Favourites:\n";
  for (int g = 0; g < kFavoriteGroupCount; ++g)
    out << "  " << g + 1 << " " << std::left << std::setw(17)
        << TerminalText(Latin1ToUtf8(db.GetFavoriteGroupName(g))) << std::right << std::setw(4)
        << db.CountFavoriteMembers(g) << " members\n";
  return kExitOk;
}

}  // namespace

void AddInfoCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "info", "FILE", "model and counts of a settings file");
  InfoOptions& options = OnRun(command, context, RunInfo);
  command.add_option("FILE", options.path, "the settings file")->required();
}

}  // namespace vq::tool
