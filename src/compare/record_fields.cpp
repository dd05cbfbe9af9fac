#include "compare/record_fields.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

#include "compare/record_texts.h"
#include "database/channel_record.h"
#include "database/satellite_node.h"
#include "database/transponder_record.h"

namespace vq {
namespace {

// Byte ranges [first, last) of a record that are compared and copied.
struct ByteRange {
  size_t first;
  size_t last;
};

// Channel: everything before the numbers and links (52), and after the type
// byte (72).
constexpr ByteRange kChannelRanges[] = {{0, 52}, {73, kChannelRecordSize}};
// Transponder: everything but the link word and the number (28..33).
constexpr ByteRange kTransponderRanges[] = {{0, 28}, {34, kTransponderRecordSize}};
// Satellite: everything but the number and the link word (22..27).
constexpr ByteRange kSatelliteRanges[] = {{0, 22}, {28, kSatelliteRecordSize}};
// LNB: the LNB word and the oscillators; the name follows the satellite's,
// the link word and the satellite number tie it to its satellite.
constexpr ByteRange kLnbRanges[] = {{16, 24}, {30, kLnbRecordSize}};

template <class Record>
struct Field {
  const char* name;
  std::function<std::string(const Record&)> text;
};

std::string Number(long value) { return std::to_string(value); }
std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string YesNo(bool value) { return value ? "yes" : "no"; }

// The stretch from the first to the last differing byte of the ranges, or
// nothing when they are the same.
void AddOtherBytes(const uint8_t* a, const uint8_t* b, std::span<const ByteRange> ranges,
                   const char* name, std::vector<FieldChange>& changes) {
  size_t first = SIZE_MAX;
  size_t last = 0;
  for (const ByteRange& r : ranges)
    for (size_t i = r.first; i < r.last; ++i)
      if (a[i] != b[i]) {
        first = std::min(first, i);
        last = i + 1;
      }
  if (first == SIZE_MAX) return;
  changes.push_back(
      {std::string(name) + " " + std::to_string(first) + ".." + std::to_string(last - 1),
       HexBytes(a, first, last), HexBytes(b, first, last)});
}

template <class Record, size_t N>
void AddFieldChanges(const Record& a, const Record& b, const Field<Record> (&fields)[N],
                     std::vector<FieldChange>& changes) {
  for (const Field<Record>& f : fields) {
    std::string before = f.text(a);
    std::string after = f.text(b);
    if (before != after) changes.push_back({f.name, std::move(before), std::move(after)});
  }
}

template <class Record, size_t N>
void AddFieldValues(const Record& r, const Field<Record> (&fields)[N], FieldValues& values) {
  for (const Field<Record>& f : fields) values.emplace_back(f.name, f.text(r));
}

bool SameRanges(const uint8_t* a, const uint8_t* b, std::span<const ByteRange> ranges) {
  return std::ranges::all_of(ranges, [a, b](const ByteRange& r) {
    return std::equal(a + r.first, a + r.last, b + r.first);
  });
}

void CopyRanges(const uint8_t* from, uint8_t* to, std::span<const ByteRange> ranges) {
  for (const ByteRange& r : ranges) std::copy(from + r.first, from + r.last, to + r.first);
}

const Field<SatelliteRecord> kSatelliteFields[] = {
    {"name", [](const SatelliteRecord& r) { return Quoted(r.GetName()); }},
    {"position", [](const SatelliteRecord& r) { return r.GetPositionText(); }},
    {"motor position", [](const SatelliteRecord& r) { return Number(r.GetMotorIndex()); }},
};

const Field<LnbRecord> kLnbFields[] = {
    {"LNB type", [](const LnbRecord& r) { return std::string(r.GetTypeText()); }},
    {"low oscillator", [](const LnbRecord& r) { return Number(r.GetLowOscillator()); }},
    {"high oscillator", [](const LnbRecord& r) { return Number(r.GetHighOscillator()); }},
    {"22 kHz", [](const LnbRecord& r) { return YesNo(r.Is22kHz()); }},
    {"12 V", [](const LnbRecord& r) { return YesNo(r.Is12V()); }},
    {"DiSEqC switch", [](const LnbRecord& r) { return std::string(r.GetSwitchTypeText()); }},
    {"switch port", [](const LnbRecord& r) { return Number(r.GetSwitchPort()); }},
    {"tone burst", [](const LnbRecord& r) { return std::string(r.GetToneBurstText()); }},
    {"motor", [](const LnbRecord& r) { return std::string(r.GetMotorTypeText()); }},
};

const Field<TransponderRecord> kTransponderFields[] = {
    {"name", [](const TransponderRecord& r) { return Quoted(r.GetName()); }},
    {"frequency", [](const TransponderRecord& r) { return Number(r.GetFrequency()); }},
    {"symbol rate", [](const TransponderRecord& r) { return Number(r.GetSymbolRate()); }},
    {"polarisation",
     [](const TransponderRecord& r) { return std::string(r.GetPolarizationText()); }},
    {"FEC", [](const TransponderRecord& r) { return std::string(r.GetFecText()); }},
    {"FTA only", [](const TransponderRecord& r) { return YesNo(r.IsFtaOnly()); }},
    {"ECM channel id", [](const TransponderRecord& r) { return Number(r.GetEcmChannelId()); }},
    {"TS id", [](const TransponderRecord& r) { return Number(r.GetTpId()); }},
    {"network id", [](const TransponderRecord& r) { return Number(r.GetNetworkId()); }},
    {"ECM CAS id", [](const TransponderRecord& r) { return Number(r.GetEcmCasId()); }},
};

const Field<ChannelRecord> kChannelFields[] = {
    {"name", [](const ChannelRecord& r) { return Quoted(r.GetName()); }},
    {"service id", [](const ChannelRecord& r) { return Number(r.GetProgramId()); }},
    {"video PID", [](const ChannelRecord& r) { return Number(r.GetVideoPid()); }},
    {"audio PIDs",
     [](const ChannelRecord& r) {
       std::string text;
       for (int i = 0; i < ChannelRecord::kAudioTrackCount; ++i)
         text += (i ? " " : "") + Number(r.GetAudioPid(i));
       return text;
     }},
    {"audio languages",
     [](const ChannelRecord& r) {
       std::string text;
       for (int i = 0; i < ChannelRecord::kAudioTrackCount; ++i)
         text += (i ? " " : "") + std::string(r.GetAudioLanguageText(i));
       return text;
     }},
    {"PCR PID", [](const ChannelRecord& r) { return Number(r.GetPcrPid()); }},
    {"teletext PID", [](const ChannelRecord& r) { return Number(r.GetTeletextPid()); }},
    {"AC3 PID", [](const ChannelRecord& r) { return Number(r.GetAc3Pid()); }},
    {"PMT PID", [](const ChannelRecord& r) { return Number(r.GetPmtPid()); }},
    {"ECM PID", [](const ChannelRecord& r) { return Number(r.GetEcmPid()); }},
    {"scrambled", [](const ChannelRecord& r) { return YesNo(r.IsScrambled()); }},
    {"CAS", [](const ChannelRecord& r) { return std::string(r.GetCasText()); }},
    {"locked", [](const ChannelRecord& r) { return YesNo(r.IsLocked()); }},
    {"skipped", [](const ChannelRecord& r) { return YesNo(r.IsSkipped()); }},
    {"audio tracks", [](const ChannelRecord& r) { return Number(r.GetAudioCount()); }},
    {"audio selected", [](const ChannelRecord& r) { return Number(r.GetAudioSelected()); }},
    {"audio mode", [](const ChannelRecord& r) { return std::string(r.GetAudioModeText()); }},
    {"subtitle", [](const ChannelRecord& r) { return Number(r.GetSubtitle()); }},
    {"AC3 language", [](const ChannelRecord& r) { return std::string(r.GetAc3LanguageText()); }},
    {"AC3 selected", [](const ChannelRecord& r) { return YesNo(r.IsAc3Selected()); }},
};

}  // namespace

std::vector<FieldChange> SatelliteFieldChanges(const SatelliteNode& a, const SatelliteNode& b) {
  std::vector<FieldChange> changes;
  if (SameRanges(a.Satellite().Bytes(), b.Satellite().Bytes(), kSatelliteRanges) &&
      SameRanges(a.Lnb().Bytes(), b.Lnb().Bytes(), kLnbRanges))
    return changes;
  AddFieldChanges(a.Satellite(), b.Satellite(), kSatelliteFields, changes);
  AddFieldChanges(a.Lnb(), b.Lnb(), kLnbFields, changes);
  if (changes.empty()) {
    AddOtherBytes(a.Satellite().Bytes(), b.Satellite().Bytes(), kSatelliteRanges, "other bytes",
                  changes);
    AddOtherBytes(a.Lnb().Bytes(), b.Lnb().Bytes(), kLnbRanges, "other LNB bytes", changes);
  }
  return changes;
}

std::vector<FieldChange> TransponderFieldChanges(const TransponderRecord& a,
                                                 const TransponderRecord& b) {
  std::vector<FieldChange> changes;
  if (SameRanges(a.Bytes(), b.Bytes(), kTransponderRanges)) return changes;
  AddFieldChanges(a, b, kTransponderFields, changes);
  if (changes.empty())
    AddOtherBytes(a.Bytes(), b.Bytes(), kTransponderRanges, "other bytes", changes);
  return changes;
}

std::vector<FieldChange> ChannelFieldChanges(const ChannelRecord& a, const ChannelRecord& b) {
  std::vector<FieldChange> changes;
  if (SameRanges(a.Bytes(), b.Bytes(), kChannelRanges)) return changes;
  AddFieldChanges(a, b, kChannelFields, changes);
  if (changes.empty()) AddOtherBytes(a.Bytes(), b.Bytes(), kChannelRanges, "other bytes", changes);
  return changes;
}

FieldValues SatelliteFieldValues(const SatelliteNode& satellite) {
  FieldValues values;
  AddFieldValues(satellite.Satellite(), kSatelliteFields, values);
  AddFieldValues(satellite.Lnb(), kLnbFields, values);
  return values;
}

FieldValues TransponderFieldValues(const TransponderRecord& record) {
  FieldValues values;
  AddFieldValues(record, kTransponderFields, values);
  return values;
}

FieldValues ChannelFieldValues(const ChannelRecord& record) {
  FieldValues values;
  AddFieldValues(record, kChannelFields, values);
  return values;
}

void CopySatelliteFields(const SatelliteNode& from, SatelliteNode& to) {
  CopyRanges(from.Satellite().Bytes(), to.Satellite().Bytes(), kSatelliteRanges);
  CopyRanges(from.Lnb().Bytes(), to.Lnb().Bytes(), kLnbRanges);
  to.Lnb().SetName(to.Satellite().GetName());
}

void CopyTransponderFields(const TransponderRecord& from, TransponderRecord& to) {
  CopyRanges(from.Bytes(), to.Bytes(), kTransponderRanges);
}

void CopyChannelFields(const ChannelRecord& from, ChannelRecord& to) {
  CopyRanges(from.Bytes(), to.Bytes(), kChannelRanges);
}

}  // namespace vq
