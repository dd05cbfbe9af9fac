// export-vdr and export-csv: the channel list of a settings file for
// elsewhere.
#include "interchange/channel_csv_writer.h"
#include "interchange/database_channel_list.h"
#include "interchange/vdr_channels_writer.h"
#include "vqtool/command_line.h"
#include "vqtool/interchange_commands.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_files.h"

namespace vq::tool {
namespace {

using Writer = std::string (*)(const ChannelList&);

int RunExport(const Args& args, std::string_view name, std::string_view usage, Writer write,
              std::ostream& out, std::ostream& err) {
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {}, line, error)) return UsageError(err, error, usage);
  if (line.positional.size() != 2)
    return UsageError(err, std::string(name) + " needs IN and OUT", usage);
  const std::string& in = line.positional[0];
  const std::string& target = line.positional[1];
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  const ChannelList list = CollectChannelList(db);
  if (!WriteTextFile(target, write(list), error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << list.channels.size() << " channels)\n";
  return kExitOk;
}

}  // namespace

int RunExportVdr(const Args& args, std::ostream& out, std::ostream& err) {
  return RunExport(args, "export-vdr", "vqtool export-vdr IN CHANNELS", WriteVdrChannels, out, err);
}

int RunExportCsv(const Args& args, std::ostream& out, std::ostream& err) {
  return RunExport(args, "export-csv", "vqtool export-csv IN CSV", WriteChannelCsv, out, err);
}

}  // namespace vq::tool
