#include "interchange/channel_csv_writer.h"

#include "database/lookup_tables.h"
#include "database/position_text.h"
#include "interchange/csv_cells.h"
#include "interchange/latin1_text.h"

namespace vq {
namespace {

constexpr const char* kHeader[] = {"Number",
                                   "Name",
                                   "Type",
                                   "Satellite",
                                   "Position",
                                   "Frequency",
                                   "Polarisation",
                                   "Symbol rate",
                                   "Network id",
                                   "TS id",
                                   "Service id",
                                   "Video PID",
                                   "PCR PID",
                                   "Audio PIDs",
                                   "Audio languages",
                                   "AC3 PID",
                                   "Teletext PID",
                                   "Scrambled",
                                   "CAS",
                                   "Locked",
                                   "Skipped",
                                   "Favourite groups"};

std::string Text(const std::string& latin1) { return CsvTextCell(Latin1ToUtf8Text(latin1)); }

std::string Row(const std::vector<std::string>& cells) {
  std::string row;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) row += ',';
    row += cells[i];
  }
  return row + "\r\n";
}

// Space-separated values of the audio tracks that carry a PID.
template <class Value>
std::string TrackList(const ListedChannel& c, Value value) {
  std::string text;
  for (const ListedAudio& audio : c.audio) {
    if (audio.pid == 0) continue;
    if (!text.empty()) text += ' ';
    text += value(audio);
  }
  return text;
}

std::string GroupList(const ChannelList& list, const ListedChannel& c) {
  std::string text;
  for (const int g : c.groups) {
    if (g < 0 || static_cast<size_t>(g) >= list.groups.size()) continue;
    if (!text.empty()) text += "; ";
    text += Latin1ToUtf8Text(list.groups[static_cast<size_t>(g)]);
  }
  return CsvTextCell(text);
}

}  // namespace

std::string WriteChannelCsv(const ChannelList& list) {
  std::string text = "\xEF\xBB\xBF";
  text += Row(std::vector<std::string>(std::begin(kHeader), std::end(kHeader)));
  const ListedTransponder none;
  const ListedSatellite nowhere;
  for (const ListedChannel& c : list.channels) {
    const bool hasTransponder =
        c.transponder >= 0 && static_cast<size_t>(c.transponder) < list.transponders.size();
    const ListedTransponder& t =
        hasTransponder ? list.transponders[static_cast<size_t>(c.transponder)] : none;
    const bool hasSatellite =
        t.satellite >= 0 && static_cast<size_t>(t.satellite) < list.satellites.size();
    const ListedSatellite& s =
        hasSatellite ? list.satellites[static_cast<size_t>(t.satellite)] : nowhere;
    text += Row({
        c.number >= 0 ? std::to_string(c.number + 1) : "",
        Text(c.name),
        std::string(ChannelTypeText(c.type)),
        hasSatellite ? Text(s.name) : "",
        hasSatellite ? EastWestPositionText(s.position) : "",
        hasTransponder ? std::to_string(t.frequency) : "",
        hasTransponder ? std::string(PolarizationText(t.polarization)) : "",
        hasTransponder ? std::to_string(t.symbolRate) : "",
        hasTransponder ? std::to_string(t.networkId) : "",
        hasTransponder ? std::to_string(t.tsId) : "",
        std::to_string(c.serviceId),
        std::to_string(c.videoPid),
        std::to_string(c.pcrPid),
        TrackList(c, [](const ListedAudio& a) { return std::to_string(a.pid); }),
        TrackList(c, [](const ListedAudio& a) { return std::string(LanguageText(a.language)); }),
        std::to_string(c.ac3Pid),
        std::to_string(c.teletextPid),
        std::string(YesNoText(c.scrambled)),
        CsvTextCell(CasText(c.cas)),
        std::string(YesNoText(c.locked)),
        std::string(YesNoText(c.skipped)),
        GroupList(list, c),
    });
  }
  return text;
}

}  // namespace vq
