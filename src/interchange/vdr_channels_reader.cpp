#include "interchange/vdr_channels_reader.h"

#include <algorithm>
#include <map>
#include <new>
#include <tuple>

#include "common/translated_format.h"
#include "interchange/dvb_codes.h"
#include "interchange/import_texts.h"
#include "interchange/latin1_text.h"
#include "interchange/text_fields.h"
#include "interchange/vdr_fields.h"

namespace vq {
namespace {

enum Field {
  kName,
  kFrequency,
  kParameters,
  kSource,
  kSymbolRate,
  kVideo,
  kAudio,
  kTeletext,
  kCa,
  kServiceId,
  kNetworkId,
  kTsId
};

// The transponder values one channel line gives.
struct LineTransponder {
  int16_t position = 0;
  std::string_view provider;  // UTF-8, converted only for a new transponder
  ListedTransponder values;
};

class VdrReader {
 public:
  ChannelListRead Read(std::string_view text);

 private:
  void ReadGroupLine(std::string_view text, int line);
  // False with `reason` set when the line does not read.
  bool ReadChannelLine(const std::vector<std::string_view>& fields, int line, std::string& reason);
  int SatelliteIndex(int16_t position);
  int TransponderIndex(const LineTransponder& t);
  std::string Latin1(std::string_view utf8);

  ChannelList list_;
  int group_ = -1;
  int channelLines_ = 0;
  std::map<int16_t, int> satelliteOf_;
  std::map<std::tuple<int16_t, uint16_t, uint8_t>, int> transponderOf_;
};

// Satellite frequencies are MHz and symbol rates kS/s; some writers give
// kHz or Hz, and symbols per second.
uint32_t WithoutThousands(uint32_t value) {
  while (value > 99999) value /= 1000;
  return value;
}

bool ReadNumber(std::string_view text, uint32_t max, uint16_t& out) {
  uint32_t value = 0;
  if (!ParseDecimal(Trimmed(text), max, value)) return false;
  out = static_cast<uint16_t>(value);
  return true;
}

ChannelListRead VdrReader::Read(std::string_view text) {
  ChannelListRead read;
  if (LooksBinary(text)) {
    read.message =
        VQ_TRANSLATE_NOOP("CoreText", "The file is not a VDR channels.conf: it holds binary data.");
    return read;
  }
  TextLineWalk lines(WithoutByteOrderMark(text));
  std::string_view content;
  while (lines.Next(content)) {
    const int line = lines.Number();
    if (Trimmed(content).empty()) continue;
    if (content.front() == ':') {
      ReadGroupLine(content.substr(1), line);
      continue;
    }
    const auto separators = std::count(content.begin(), content.end(), ':');
    const std::vector<std::string_view> fields = separators == 11 || separators == 12
                                                     ? SplitAt(content, ':', 13)
                                                     : std::vector<std::string_view>{};
    std::string reason;
    if (fields.empty()) {
      list_.skipped.Add(
          line, VQ_TRANSLATE_NOOP("CoreText",
                                  "not a channel line (it needs 13 fields separated by ':')"));
      continue;
    }
    if (!ReadChannelLine(fields, line, reason)) list_.skipped.Add(line, reason);
  }
  if (channelLines_ == 0) {
    read.message = VQ_TRANSLATE_NOOP(
        "CoreText", "The file is not a VDR channels.conf: no line holds a channel.");
    return read;
  }
  read.recognised = true;
  read.list = std::move(list_);
  return read;
}

void VdrReader::ReadGroupLine(std::string_view text, int line) {
  // ":@100 Name" also sets VDR's next channel number, which has no place here.
  if (!text.empty() && text.front() == '@') {
    size_t i = 1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    text = text.substr(i);
  }
  group_ = -1;
  if (Trimmed(text).empty()) return;
  if (list_.groups.size() == kListEntryLimit) {
    list_.skipped.Add(line, kBeyondListLimit);
    return;
  }
  const std::string name = Latin1(Trimmed(text));
  list_.groups.push_back(name);
  group_ = static_cast<int>(list_.groups.size()) - 1;
}

bool VdrReader::ReadChannelLine(const std::vector<std::string_view>& fields, int line,
                                std::string& reason) {
  char kind = 0;
  int16_t position = 0;
  uint32_t frequency = 0;
  // A line counts as a channel entry of some source once these two read.
  if (!ParseVdrSource(Trimmed(fields[kSource]), kind, position) ||
      !ParseDecimal(Trimmed(fields[kFrequency]), 0xFFFFFFFF, frequency)) {
    reason = VQ_TRANSLATE_NOOP("CoreText", "the source or the frequency is not readable");
    return false;
  }
  ++channelLines_;
  if (list_.channels.size() == kListEntryLimit) {
    reason = kBeyondListLimit;
    return false;
  }
  if (kind != 'S') {
    reason =
        TranslatedFormat(VQ_TRANSLATE_NOOP("CoreText", "not a satellite entry (source %c)"), kind);
    return false;
  }
  LineTransponder t;
  t.position = position;
  ListedTransponder& values = t.values;
  VdrParameters parameters;
  if (WithoutThousands(frequency) == 0 || WithoutThousands(frequency) > 0xFFFF) {
    reason = VQ_TRANSLATE_NOOP("CoreText", "the frequency is not readable");
    return false;
  }
  values.frequency = static_cast<uint16_t>(WithoutThousands(frequency));
  if (!ParseVdrParameters(Trimmed(fields[kParameters]), parameters)) {
    reason = VQ_TRANSLATE_NOOP("CoreText", "the parameters are not readable");
    return false;
  }
  values.polarization = parameters.polarization;
  values.fec = parameters.fec;
  values.system = parameters.system;
  uint32_t symbolRate = 0;
  if (!ParseDecimal(Trimmed(fields[kSymbolRate]), 0xFFFFFFFF, symbolRate) ||
      WithoutThousands(symbolRate) > 0xFFFF) {
    reason = VQ_TRANSLATE_NOOP("CoreText", "the symbol rate is not readable");
    return false;
  }
  values.symbolRate = static_cast<uint16_t>(WithoutThousands(symbolRate));

  ListedChannel channel;
  VdrVideo video;
  VdrAudio audio;
  std::vector<uint16_t> ca;
  if (!ParseVdrVideo(Trimmed(fields[kVideo]), video) ||
      !ParseVdrAudio(Trimmed(fields[kAudio]), audio) ||
      !ParseVdrTeletext(Trimmed(fields[kTeletext]), channel.teletextPid)) {
    reason = VQ_TRANSLATE_NOOP("CoreText", "a PID is not readable");
    return false;
  }
  if (!ParseVdrCa(Trimmed(fields[kCa]), ca)) {
    reason = VQ_TRANSLATE_NOOP("CoreText", "the CA field is not readable");
    return false;
  }
  if (!ReadNumber(fields[kServiceId], 0xFFFF, channel.serviceId) ||
      !ReadNumber(fields[kNetworkId], 0xFFFF, values.networkId) ||
      !ReadNumber(fields[kTsId], 0xFFFF, values.tsId)) {
    reason =
        VQ_TRANSLATE_NOOP("CoreText", "a service, network or transport stream id is not readable");
    return false;
  }

  const VdrNames names = SplitVdrNames(fields[kName]);
  t.provider = names.provider;
  values.line = line;
  channel.name = Latin1(names.name);
  channel.videoPid = video.pid;
  channel.pcrPid = video.pcr;
  channel.audio = audio.audio;
  if (!audio.dolby.empty()) {
    channel.ac3Pid = audio.dolby.front().pid;
    channel.ac3Language = audio.dolby.front().language;
  }
  const bool hasAudio = !audio.audio.empty() || !audio.dolby.empty();
  channel.type = video.hasVideo ? 0 : hasAudio ? 1 : 2;
  for (const uint16_t id : ca) channel.scrambled = channel.scrambled || id != 0;
  if (channel.scrambled) channel.cas = static_cast<uint8_t>(CasOfCaIds(ca));
  if (group_ >= 0) channel.groups.push_back(group_);
  channel.line = line;
  channel.transponder = TransponderIndex(t);
  list_.channels.push_back(std::move(channel));
  return true;
}

int VdrReader::SatelliteIndex(int16_t position) {
  const auto [it, added] =
      satelliteOf_.emplace(position, static_cast<int>(list_.satellites.size()));
  if (added) list_.satellites.push_back({position, {}});
  return it->second;
}

// Lines of one transponder repeat its values; the first line gives them.
int VdrReader::TransponderIndex(const LineTransponder& t) {
  const auto key = std::make_tuple(t.position, t.values.frequency, t.values.polarization);
  const auto [it, added] = transponderOf_.emplace(key, static_cast<int>(list_.transponders.size()));
  if (added) {
    list_.transponders.push_back(t.values);
    list_.transponders.back().satellite = SatelliteIndex(t.position);
    list_.transponders.back().name = Latin1(t.provider);
  }
  return it->second;
}

std::string VdrReader::Latin1(std::string_view utf8) {
  Latin1Text text = Utf8ToLatin1Text(utf8);
  list_.replacedCharacters += text.replaced;
  return std::move(text.bytes);
}

}  // namespace

ChannelListRead ReadVdrChannels(std::string_view text) {
  try {
    return VdrReader().Read(text);
  } catch (const std::bad_alloc&) {
    return {false, import_texts::kNoMemory, {}};
  }
}

}  // namespace vq
