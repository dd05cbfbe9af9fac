// import-vdr and import-scan-table: a list from elsewhere merged into a
// settings file.
#include "database/position_text.h"
#include "interchange/list_import.h"
#include "interchange/scan_table_reader.h"
#include "interchange/vdr_channels_reader.h"
#include "vqtool/command_line.h"
#include "vqtool/interchange_commands.h"
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

}  // namespace

int RunImportVdr(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "vqtool import-vdr [--favourites] CHANNELS IN OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {}, {"--favourites"}, line, error))
    return UsageError(err, error, kUsage);
  if (line.positional.size() != 3)
    return UsageError(err, "import-vdr needs CHANNELS, IN and OUT", kUsage);
  const std::string& source = line.positional[0];
  const std::string& in = line.positional[1];
  const std::string& target = line.positional[2];

  std::string text;
  if (!ReadTextFile(source, text, error)) return FileError(err, source, error);
  const ChannelListRead read = ReadVdrChannels(text);
  if (!read.recognised) return FileError(err, source, read.message);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  ImportOptions options;
  options.groupsAsFavorites = line.Has("--favourites");
  return Finish(ImportChannelList(db, read.list, options), db, source, target, out, err);
}

int RunImportScanTable(const Args& args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage =
      "vqtool import-scan-table (--satellite N | --position POS) TABLE IN OUT";
  CommandLine line;
  std::string error;
  if (!ParseCommandLine(args, {"--satellite", "--position"}, {}, line, error))
    return UsageError(err, error, kUsage);
  const auto number = line.options.find("--satellite");
  const auto position = line.options.find("--position");
  if ((number == line.options.end()) == (position == line.options.end()))
    return UsageError(err, "import-scan-table needs --satellite or --position", kUsage);
  if (line.positional.size() != 3)
    return UsageError(err, "import-scan-table needs TABLE, IN and OUT", kUsage);
  int satellite = 0;
  int16_t tenths = 0;
  if (number != line.options.end()) {
    satellite = std::atoi(number->second.c_str());
    if (satellite < 1 || satellite > kSatelliteCount ||
        number->second.find_first_not_of("0123456789") != std::string::npos)
      return UsageError(err, "--satellite takes a satellite number 1..64", kUsage);
  } else if (!ParsePositionText(position->second, 'E', 'W', tenths)) {
    return UsageError(err, "--position takes an orbital position such as 19.2E or 0.8W", kUsage);
  }
  const std::string& source = line.positional[0];
  const std::string& in = line.positional[1];
  const std::string& target = line.positional[2];

  std::string text;
  if (!ReadTextFile(source, text, error)) return FileError(err, source, error);
  const ChannelListRead read = ReadScanTable(text);
  if (!read.recognised) return FileError(err, source, read.message);
  SettingsDatabase db;
  if (!LoadSettingsFile(in, db, error)) return FileError(err, in, error);
  if (satellite == 0)
    return Finish(ImportTranspondersAt(db, read.list, tenths), db, source, target, out, err);
  SatelliteNode* node = db.FindSatelliteNodeByNumber(satellite - 1);
  if (!node) return FileError(err, in, "satellite " + std::to_string(satellite) + " is missing");
  return Finish(ImportTransponders(db, read.list, *node), db, source, target, out, err);
}

}  // namespace vq::tool
