#include "interchange/vdr_fields.h"

#include <algorithm>

#include "database/position_text.h"
#include "interchange/dvb_codes.h"
#include "interchange/text_fields.h"

namespace vq {
namespace {

// PIDs are 13 bits on air; the records hold 16, and so may a list written from them.
constexpr uint32_t kLargestListedPid = 0xFFFF;
// Audio tracks or CA ids of one channel; no service has more.
constexpr size_t kListEntriesLimit = 64;

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

uint8_t FecOfVdrCode(uint32_t code) {
  switch (code) {
    case 12:
      return 0;
    case 23:
      return 1;
    case 34:
      return 2;
    case 56:
      return 3;
    case 78:
      return 4;
    default:
      return 5;
  }
}

bool IsVideoStreamType(uint32_t type) {
  // MPEG-1/2, MPEG-4 part 2, H.264, MVC, HEVC, AVS, Dirac, VC-1.
  constexpr uint32_t kVideoTypes[] = {0x01, 0x02, 0x10, 0x1B, 0x20, 0x24, 0x42, 0xD1, 0xEA};
  return std::find(std::begin(kVideoTypes), std::end(kVideoTypes), type) != std::end(kVideoTypes);
}

// "PID[=lang[+lang2]][@type]"; the first language is kept.
bool ParseAudioEntry(std::string_view text, ListedAudio& out) {
  const size_t at = text.find('@');
  if (at != std::string_view::npos) {
    uint32_t type = 0;
    if (!ParseDecimal(text.substr(at + 1), 0xFF, type)) return false;
    text = text.substr(0, at);
  }
  const size_t equals = text.find('=');
  uint32_t pid = 0;
  if (!ParseDecimal(text.substr(0, equals), kLargestListedPid, pid)) return false;
  out.pid = static_cast<uint16_t>(pid);
  out.language = kLanguageUnknown;
  if (equals != std::string_view::npos) {
    const std::string_view languages = text.substr(equals + 1);
    out.language = static_cast<uint8_t>(LanguageOfIso639(languages.substr(0, languages.find('+'))));
  }
  return true;
}

bool ParseAudioList(std::string_view text, std::vector<ListedAudio>& out) {
  if (text.empty()) return true;
  const std::vector<std::string_view> entries = SplitAt(text, ',', kListEntriesLimit);
  if (entries.empty()) return false;
  for (std::string_view entry : entries) {
    ListedAudio audio;
    if (!ParseAudioEntry(entry, audio)) return false;
    if (audio.pid != 0) out.push_back(audio);
  }
  return true;
}

}  // namespace

bool ParseVdrParameters(std::string_view text, VdrParameters& out) {
  size_t i = 0;
  while (i < text.size()) {
    const char letter = Upper(text[i++]);
    if (!IsLetter(letter)) return false;
    if (letter == 'H' || letter == 'L' || letter == 'V' || letter == 'R') {
      out.polarization = letter == 'H' || letter == 'L' ? 1 : 2;
      continue;
    }
    const size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    uint32_t value = 0;
    if (!ParseDecimal(text.substr(start, i - start), 999999, value)) return false;
    if (letter == 'C') out.fec = FecOfVdrCode(value);
    if (letter == 'S') {
      if (value > 1) return false;
      out.system = value == 1 ? DeliverySystem::kDvbS2 : DeliverySystem::kDvbS;
    }
  }
  return true;
}

bool ParseVdrSource(std::string_view text, char& kind, int16_t& position) {
  if (text.empty() || !IsLetter(text.front())) return false;
  kind = Upper(text.front());
  position = 0;
  if (kind != 'S') return text.size() == 1 && text.front() == kind;
  std::string_view rest = text.substr(1);
  if (rest.size() < 2) return false;
  const char side = Upper(rest.back());
  if (side != 'E' && side != 'W') return false;
  rest.remove_suffix(1);
  const size_t dot = rest.find('.');
  uint32_t degrees = 0;
  uint32_t tenths = 0;
  if (!ParseDecimal(rest.substr(0, dot), 180, degrees)) return false;
  if (dot != std::string_view::npos) {
    const std::string_view fraction = rest.substr(dot + 1);
    uint32_t ignored = 0;
    if (!ParseDecimal(fraction, 0xFFFFFFFF, ignored)) return false;
    tenths = static_cast<uint32_t>(fraction.front() - '0');
  }
  const int value = static_cast<int>(degrees * 10 + tenths);
  if (value > kMaxLongitudeTenths) return false;
  position = static_cast<int16_t>(side == 'E' ? value : -value);
  return true;
}

bool ParseVdrVideo(std::string_view text, VdrVideo& out) {
  const size_t equals = text.find('=');
  bool videoType = true;
  if (equals != std::string_view::npos) {
    uint32_t type = 0;
    if (!ParseDecimal(text.substr(equals + 1), 0xFF, type)) return false;
    videoType = IsVideoStreamType(type);
    text = text.substr(0, equals);
  }
  const size_t plus = text.find('+');
  uint32_t pid = 0;
  if (!ParseDecimal(text.substr(0, plus), kLargestListedPid, pid)) return false;
  uint32_t pcr = pid;
  if (plus != std::string_view::npos && !ParseDecimal(text.substr(plus + 1), kLargestListedPid, pcr))
    return false;
  out.pid = static_cast<uint16_t>(pid);
  out.pcr = static_cast<uint16_t>(pcr);
  // PIDs below 0x20 carry tables, and 0x1FFF is the null packet.
  out.hasVideo = videoType && pid >= 0x20 && pid < 0x1FFF;
  return true;
}

bool ParseVdrAudio(std::string_view text, VdrAudio& out) {
  const size_t semicolon = text.find(';');
  if (!ParseAudioList(text.substr(0, semicolon), out.audio)) return false;
  return semicolon == std::string_view::npos ||
         ParseAudioList(text.substr(semicolon + 1), out.dolby);
}

bool ParseVdrTeletext(std::string_view text, uint16_t& pid) {
  uint32_t value = 0;
  if (!ParseDecimal(text.substr(0, text.find(';')), kLargestListedPid, value)) return false;
  pid = static_cast<uint16_t>(value);
  return true;
}

bool ParseVdrCa(std::string_view text, std::vector<uint16_t>& ids) {
  const std::vector<std::string_view> entries = SplitAt(text, ',', kListEntriesLimit);
  if (entries.empty()) return false;
  for (std::string_view entry : entries) {
    uint32_t id = 0;
    if (!ParseHex(entry, 0xFFFF, id)) return false;
    ids.push_back(static_cast<uint16_t>(id));
  }
  return true;
}

VdrNames SplitVdrNames(std::string_view text) {
  VdrNames names;
  const size_t semicolon = text.find(';');
  std::string_view name = text.substr(0, semicolon);
  if (semicolon != std::string_view::npos) names.provider = std::string(text.substr(semicolon + 1));
  const size_t comma = name.rfind(',');
  if (comma != std::string_view::npos) name = name.substr(0, comma);
  names.name = std::string(name);
  std::replace(names.name.begin(), names.name.end(), '|', ':');
  std::replace(names.provider.begin(), names.provider.end(), '|', ':');
  return names;
}

}  // namespace vq
