// import-vdr and import-scan-table: a list from elsewhere merged into a
// settings file.
#include <optional>
#include "database/position_text.h"
#include "interchange/list_import.h"
#include "interchange/scan_table_reader.h"
#include "interchange/vdr_channels_reader.h"

#include "vqtool/commands.h"
#include "vqtool/option_checks.h"
#include "vqtool/settings_file.h"
#include "vqtool/text_files.h"

namespace vq::tool {
namespace {

// Prints the summary; saves OUT when anything of the list was usable.
int Finish(const ImportSummary& summary, SettingsDatabase& db, const std::string& source,
           const std::string& target, std::ostream& out, std::ostream& err) {
  PrintLines(err, SummaryLines(summary));
  if (!summary.Used())
    return FileError(err, source, "nothing could be used; " + target + " was not written");
  std::string error;
  if (!SaveSettingsFile(target, db, error)) return FileError(err, target, error);
  out << "Saved " << target << " (" << summary.transpondersAdded << " transponders and "
      << summary.ChannelsAdded() << " channels added)\n";
  return summary.status == ImportStatus::kDone ? kExitOk : kExitFailure;
}

// The list to read, the settings file to merge it into and the file to
// write, with each command's own options.
struct ListImportOptions {
  std::string source;
  std::string in;
  std::string target;
  bool favourites = false;
  std::optional<int> satellite;
  std::optional<int16_t> tenths;  // of the orbital position, east positive
};

int RunImportVdr(const ListImportOptions& given, std::ostream& out, std::ostream& err) {
  const std::string& source = given.source;
  const std::string& in = given.in;
  const std::string& target = given.target;
  std::string error;
  std::string text;
  if (!ReadTextFile(source, text, error)) return FileError(err, source, error);
  const ChannelListRead read = ReadVdrChannels(text);
  if (!read.recognised) return FileError(err, source, read.message);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  ImportOptions options;
  options.groupsAsFavorites = given.favourites;
  return Finish(ImportChannelList(db, read.list, options), db, source, target, out, err);
}

int RunImportScanTable(const ListImportOptions& given, std::ostream& out, std::ostream& err) {
  if (!given.satellite && !given.tenths)
    throw UsageMistake("import-scan-table needs --satellite or --position");
  const std::string& source = given.source;
  const std::string& in = given.in;
  const std::string& target = given.target;
  std::string error;
  std::string text;
  if (!ReadTextFile(source, text, error)) return FileError(err, source, error);
  const ChannelListRead read = ReadScanTable(text);
  if (!read.recognised) return FileError(err, source, read.message);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  if (given.tenths)
    return Finish(ImportTranspondersAt(db, read.list, *given.tenths), db, source, target, out, err);
  const int satellite = *given.satellite;
  SatelliteNode* node = db.FindSatelliteNodeByNumber(satellite - 1);
  if (!node) return FileError(err, in, "satellite " + std::to_string(satellite) + " is missing");
  return Finish(ImportTransponders(db, read.list, *node), db, source, target, out, err);
}

// The list, the settings file it goes into and the file to write.
void AddFiles(CLI::App& command, ListImportOptions& options, const std::string& list,
              const std::string& what) {
  command.add_option(list, options.source, what)->required();
  command.add_option("IN", options.in, "the settings file to add to")->required();
  command.add_option("OUT", options.target, "the file to write")->required();
}

}  // namespace

void AddImportVdrCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "import-vdr", "[--favourites] CHANNELS IN OUT", "add a VDR channels.conf");
  ListImportOptions& options = OnRun(command, context, RunImportVdr);
  command.add_flag("--favourites", options.favourites, "make group lines favourite groups");
  AddFiles(command, options, "CHANNELS", "the VDR channel list");
}

void AddImportScanTableCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command =
      AddCommand(app, "import-scan-table", "(--satellite N | --position POS) TABLE IN OUT",
                 "add the transponders of a dvbv5 scan table");
  ListImportOptions& options = OnRun(command, context, RunImportScanTable);
  CLI::Option* satellite =
      command.add_option("--satellite", options.satellite, "to the satellite numbered N")
          ->type_name("N")
          ->transform(
              WholeNumber("--satellite", 1, kSatelliteCount,
                          "takes a satellite number 1.." + std::to_string(kSatelliteCount)));
  command.add_option("--position", options.tenths, "to the satellite at this orbital position")
      ->type_name("POS")
      ->transform(OptionCheck("--position", "takes an orbital position such as 19.2E or 0.8W",
                              [](std::string& text) {
                                int16_t tenths = 0;
                                if (!ParsePositionText(text, 'E', 'W', tenths)) return false;
                                text = std::to_string(tenths);
                                return true;
                              }))
      ->excludes(satellite);
  AddFiles(command, options, "TABLE", "the dvbv5 scan table");
}

}  // namespace vq::tool
