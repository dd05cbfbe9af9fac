#include "interchange/vdr_channels_writer.h"

#include <algorithm>
#include <cstdio>

#include "database/position_text.h"
#include "interchange/dvb_codes.h"
#include "interchange/latin1_text.h"

namespace vq {
namespace {

// A text inside one field of one line: ':' is written '|' and control
// characters (a line end would split the entry) become blanks.
std::string FieldText(const std::string& latin1) {
  std::string text = Latin1ToUtf8Text(latin1);
  for (char& c : text) {
    if (c == ':') c = '|';
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  return text;
}

// The name field. A name cannot hold ';' (it starts the provider), so it
// becomes ','; a name with a comma gets an empty short name behind a last
// comma, so that reading it back keeps the whole name.
std::string NameField(const std::string& name, const std::string& provider) {
  std::string text = FieldText(name);
  std::replace(text.begin(), text.end(), ';', ',');
  if (text.find(',') != std::string::npos) text += ',';
  if (!provider.empty()) text += ';' + FieldText(provider);
  return text;
}

std::string ParametersField(const ListedTransponder& t) {
  constexpr const char* kFecCodes[] = {"12", "23", "34", "56", "78"};
  std::string text;
  if (t.polarization == 1) text += 'H';
  if (t.polarization == 2) text += 'V';
  if (t.fec < 5) text += std::string("C") + kFecCodes[t.fec];
  text += t.system == DeliverySystem::kDvbS2 ? "S1" : "S0";
  return text;
}

std::string AudioEntry(const ListedAudio& audio) {
  std::string text = std::to_string(audio.pid);
  const std::string_view code = Iso639OfLanguage(audio.language);
  if (!code.empty()) text += "=" + std::string(code);
  return text;
}

std::string AudioField(const ListedChannel& c) {
  std::string text;
  for (const ListedAudio& audio : c.audio) {
    if (audio.pid == 0) continue;
    if (!text.empty()) text += ',';
    text += AudioEntry(audio);
  }
  if (text.empty()) text = "0";
  if (c.ac3Pid != 0) text += ";" + AudioEntry({c.ac3Pid, c.ac3Language});
  return text;
}

std::string CaField(const ListedChannel& c) {
  if (!c.scrambled) return "0";
  std::string text;
  for (const uint16_t id : CaIdsOfCas(c.cas)) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(id));
    if (!text.empty()) text += ',';
    text += hex;
  }
  return text;
}

}  // namespace

std::string WriteVdrChannels(const ChannelList& list) {
  std::string text;
  for (const ListedChannel& c : list.channels) {
    if (c.transponder < 0 || static_cast<size_t>(c.transponder) >= list.transponders.size())
      continue;
    const ListedTransponder& t = list.transponders[static_cast<size_t>(c.transponder)];
    if (t.satellite < 0 || static_cast<size_t>(t.satellite) >= list.satellites.size()) continue;
    const ListedSatellite& s = list.satellites[static_cast<size_t>(t.satellite)];
    std::string video = std::to_string(c.videoPid);
    if (c.pcrPid != c.videoPid) video += "+" + std::to_string(c.pcrPid);
    const std::string fields[] = {NameField(c.name, t.name),
                                  std::to_string(t.frequency),
                                  ParametersField(t),
                                  "S" + EastWestPositionText(s.position),
                                  std::to_string(t.symbolRate),
                                  video,
                                  AudioField(c),
                                  std::to_string(c.teletextPid),
                                  CaField(c),
                                  std::to_string(c.serviceId),
                                  std::to_string(t.networkId),
                                  std::to_string(t.tsId),
                                  "0"};
    for (size_t i = 0; i < std::size(fields); ++i) {
      if (i > 0) text += ':';
      text += fields[i];
    }
    text += '\n';
  }
  return text;
}

}  // namespace vq
