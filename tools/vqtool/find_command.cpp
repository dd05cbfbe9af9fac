// `vqtool find FILE TEXT [--json]`: the channels a search in the editor's
// channel list finds: TEXT in the name (case folded, Latin-1 letters too),
// or a number equal to the frequency, the service id or a PID.
#include <iomanip>
#include <string>

#include "database/channel_types.h"
#include "editing/find/find_query.h"
#include "editing/find/record_matches.h"
#include "vqtool/commands.h"
#include "vqtool/json_dump.h"
#include "vqtool/latin1.h"
#include "vqtool/option_checks.h"
#include "vqtool/settings_file.h"
#include "vqtool/terminal_text.h"

namespace vq::tool {
namespace {

// The stored name padded to its full width, so the columns behind it line up
// whatever the UTF-8 form's length.
std::string PaddedName(const std::string& name) {
  return TerminalText(Latin1ToUtf8(name)) +
         std::string(ChannelRecord::kNameWidth - std::min(name.size(), ChannelRecord::kNameWidth),
                     ' ');
}

void WriteLine(std::ostream& out, const ChannelNode& channel) {
  const ChannelRecord r = channel.Record();
  const TransponderNode* transponder = channel.GetTransponder();
  const TransponderRecord t = transponder->Record();
  const SatelliteNode* satellite = transponder->GetSatellite();
  out << std::left << std::setw(5) << r.GetTypeText() << std::right << std::setw(6)
      << r.GetChannelNumber() - ChannelNumberOffset(r.GetType()) + 1 << "  "
      << PaddedName(r.GetName()) << std::setw(6) << t.GetFrequency() << ' '
      << t.GetPolarizationShortText() << std::setw(6) << t.GetSymbolRate() << "  SID "
      << r.GetProgramId() << "  VPID " << r.GetVideoPid() << "  APID " << r.GetAudioPid(0) << "  "
      << TerminalText(Latin1ToUtf8(satellite->GetName())) << ' '
      << satellite->Satellite().GetPositionText() << "\n";
}

struct FindOptions {
  std::string path;
  std::string text;  // Latin-1, as the names are stored
  bool json = false;
};

int RunFind(const FindOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& path = options.path;
  const FindQuery query(options.text);
  std::string error;
  SettingsDatabase db;
  if (!LoadSettingsFile(path, db, error)) return FileError(err, path, error);
  // TV, radio and data channels, each in channel number order, as the
  // channel list shows them for "All".
  std::vector<const ChannelNode*> matches;
  for (int type : {kTv, kRadio, kData}) {
    std::vector<ChannelNode*> channels;
    db.CollectChannels(channels, type, kFilterNone);
    for (const ChannelNode* channel : channels)
      if (ChannelMatches(query, *channel)) matches.push_back(channel);
  }

  if (options.json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ChannelNode* channel : matches)
      list.push_back(
          ChannelToJson(*channel, channel->GetTransponder()->GetSatellite()->GetNumber()));
    out << list.dump(1) << "\n";
  } else {
    for (const ChannelNode* channel : matches) WriteLine(out, *channel);
  }
  return kExitOk;
}

}  // namespace

void AddFindCommand(CLI::App& app, ToolContext& context) {
  CLI::App& command = AddCommand(app, "find", "FILE TEXT [--json]",
                                 "channels by name, frequency, service id or PID");
  FindOptions& options = OnRun(command, context, RunFind);
  command.add_option("FILE", options.path, "the settings file")->required();
  command
      .add_option("TEXT", options.text,
                  "a part of the name (case does not matter), or a frequency, service id or PID")
      ->required()
      ->transform(OptionCheck("TEXT", "holds a character beyond Latin-1",
                              [](std::string& text) {
                                std::optional<std::string> latin1 = Utf8ToLatin1(text);
                                if (latin1) text = std::move(*latin1);
                                return latin1.has_value();
                              }))
      ->check(OptionCheck("TEXT", "is empty",
                          [](std::string& text) { return !FindQuery(text).IsEmpty(); }));
  command.add_flag("--json", options.json, "as a JSON array of the entries of dump");
}

}  // namespace vq::tool
