// export-vdr and export-csv: the channel list of a settings file for
// elsewhere.
#include "interchange/channel_csv_writer.h"
#include "interchange/database_channel_list.h"
#include "interchange/vdr_channels_writer.h"
#include "vqtool/commands.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_files.h"

namespace vq::tool {
namespace {

using Writer = std::string (*)(const ChannelList&);

struct ExportOptions {
  std::string in;
  std::string target;
};

int RunExport(const ExportOptions& options, Writer write, std::ostream& out, std::ostream& err) {
  const std::string& in = options.in;
  const std::string& target = options.target;
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  const ChannelList list = CollectChannelList(db);
  if (!WriteTextFile(target, write(list), error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << list.channels.size() << " channels)\n";
  return kExitOk;
}

int RunExportVdr(const ExportOptions& options, std::ostream& out, std::ostream& err) {
  return RunExport(options, WriteVdrChannels, out, err);
}

int RunExportCsv(const ExportOptions& options, std::ostream& out, std::ostream& err) {
  return RunExport(options, WriteChannelCsv, out, err);
}

void AddFiles(CLI::App& command, ExportOptions& options, const std::string& target,
              const std::string& what) {
  command.add_option("IN", options.in, "the settings file")->required();
  command.add_option(target, options.target, what)->required();
}

}  // namespace

void AddExportVdrCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "export-vdr", "IN CHANNELS", "the channels as a VDR channels.conf");
  AddFiles(command, OnRun(command, context, RunExportVdr), "CHANNELS",
           "the VDR channel list to write");
}

void AddExportCsvCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "export-csv", "IN CSV", "the channel list as CSV for spreadsheets");
  AddFiles(command, OnRun(command, context, RunExportCsv), "CSV", "the CSV file to write");
}

}  // namespace vq::tool
