#include "editing/preset/preset_data.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/byte_io.h"
#include "common/fixed_text.h"
#include "database/predefined_layout.h"
#include "editing/preset/preset_format.h"

namespace vq {

using namespace preset;

namespace {

struct SectionCounts {
  uint32_t antennas = 0;
  uint32_t satellites = 0;
  uint32_t transponders = 0;
  uint32_t channels = 0;
};

size_t SatelliteRecordSize(uint32_t version) {
  return version < kPositionVersion ? kOldSatRecordSize : kSatRecordSize;
}

// Bytes of the records behind a section header; 64-bit so that no count a
// file can claim overflows.
uint64_t RecordBytes(const SectionCounts& counts, size_t satelliteSize) {
  return uint64_t{counts.antennas} * kAntRecordSize +
         uint64_t{counts.satellites} * satelliteSize +
         uint64_t{counts.transponders} * kTpRecordSize +
         uint64_t{counts.channels} * kChanRecordSize;
}

void CopyText(uint8_t* field, std::string_view text) {
  std::memcpy(field, text.data(), text.size());
}

// ---- Writing ----

class DataWriter {
 public:
  explicit DataWriter(size_t satelliteSize) : satelliteSize_(satelliteSize) {}

  // Appends `size` zero bytes and returns where they start.
  uint8_t* Append(size_t size) {
    const size_t at = bytes_.size();
    bytes_.resize(at + size, 0);
    return bytes_.data() + at;
  }

  void SectionHeader(std::string_view title, const SectionCounts& counts) {
    uint8_t* header = Append(kSectionHeaderSize);
    std::memset(header, '*', kSectionStars);
    CopyText(header + kSectionTitleOffset, title);
    WriteU32LE(header + kAntennaCountOffset, counts.antennas);
    WriteU32LE(header + kSatelliteCountOffset, counts.satellites);
    WriteU32LE(header + kTransponderCountOffset, counts.transponders);
    WriteU32LE(header + kChannelCountOffset, counts.channels);
  }

  uint8_t* SatelliteRecord() { return Append(satelliteSize_); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  size_t satelliteSize_;
  std::vector<uint8_t> bytes_;
};

void WriteTestSection(DataWriter& writer) {
  writer.SectionHeader(kTestSectionTitle, {kTestRecordCount, kTestRecordCount, kTestRecordCount,
                                           kTestRecordCount});
  for (uint32_t i = 0; i < kTestRecordCount; ++i)
    CopyText(writer.Append(kAntRecordSize) + kAntLabelOffset, kAntLabel);
  for (uint32_t i = 0; i < kTestRecordCount; ++i)
    CopyText(writer.SatelliteRecord() + kSatLabelOffset, kSatLabel);
  writer.Append(kTestRecordCount * kTpRecordSize);
  for (uint32_t i = 0; i < kTestRecordCount; ++i)
    CopyText(writer.Append(kChanRecordSize) + kChanLabelOffset, kChanLabel);
}

void WriteAntenna(uint8_t* record, uint8_t number, const PresetAntenna& antenna) {
  record[kAntSatellite] = number;
  WriteU16LE(record + kAntHighOscillator, antenna.highOscillator);
  WriteU16LE(record + kAntLowOscillator, antenna.lowOscillator);
  record[kAntType] = antenna.type;
  record[kAnt22kHz] = antenna.tone22kHz;
  record[kAnt12V] = antenna.output12V != 0 ? 1 : 0;
  // The field keeps room for the terminator.
  WriteFixedText(record + kAntName, kAntNameField, antenna.name.substr(0, kAntNameField - 1));
}

void WriteSatellite(uint8_t* record, const PresetSatellite& satellite, uint32_t version) {
  record[kSatMotorIndex] = satellite.motorIndex;
  WriteU16LE(record + kSatPositionAtExport, static_cast<uint16_t>(satellite.position));
  WriteFixedText(record + kSatName, kSatNameField, satellite.name.substr(0, kSatNameField - 1));
  for (size_t k = 0; k < satellite.predefined.size(); ++k) {
    const PresetPredefinedChannel& channel = satellite.predefined[k];
    uint8_t* p = record + kSatPredefined + k * predefined::kSize;
    WriteU16LE(p + predefined::kFrequency, channel.frequency);
    WriteU16LE(p + predefined::kSymbolRate, channel.symbolRate);
    WriteU16LE(p + predefined::kPolarization, channel.polarization);
    WriteU16LE(p + predefined::kVideoPid, channel.videoPid);
    WriteU16LE(p + predefined::kAudioPid, channel.audioPid);
    WriteU16LE(p + predefined::kPcrPid, channel.pcrPid);
    WriteFixedText(p + predefined::kName, predefined::kNameWidth, channel.name);
  }
  // Readers of version 6 take the position from here; byte 6 stays for the
  // readers that expect it there.
  if (version >= kPositionVersion)
    WriteU16LE(record + kSatPosition, static_cast<uint16_t>(satellite.position));
}

void WriteTransponder(uint8_t* record, const PresetTransponder& transponder) {
  WriteU16LE(record + kTpFrequency, transponder.frequency);
  WriteU16LE(record + kTpSymbolRate, transponder.symbolRate);
  record[kTpSatellite] = transponder.satellite;
  record[kTpFec] = transponder.fec;
  record[kTpPolarization] = transponder.polarization;
}

// ---- Reading ----

bool HasStars(const uint8_t* header) {
  return std::all_of(header, header + kSectionStars, [](uint8_t b) { return b == '*'; });
}

SectionCounts ReadCounts(const uint8_t* header) {
  return {ReadU32LE(header + kAntennaCountOffset), ReadU32LE(header + kSatelliteCountOffset),
          ReadU32LE(header + kTransponderCountOffset), ReadU32LE(header + kChannelCountOffset)};
}

bool SignatureAt(std::span<const uint8_t> data, uint64_t at) {
  const size_t length = kSignature.size() + 1;  // with its terminator
  if (at > data.size() || data.size() - at < length) return false;
  const uint8_t* text = data.data() + at;
  return std::memcmp(text, kSignature.data(), kSignature.size()) == 0 && text[kSignature.size()] == 0;
}

PresetAntenna ReadAntenna(const uint8_t* record) {
  PresetAntenna antenna;
  antenna.highOscillator = ReadU16LE(record + kAntHighOscillator);
  antenna.lowOscillator = ReadU16LE(record + kAntLowOscillator);
  antenna.type = record[kAntType];
  antenna.tone22kHz = record[kAnt22kHz];
  antenna.output12V = record[kAnt12V];
  return antenna;
}

bool ReadSatellite(const uint8_t* record, uint32_t version, PresetSatellite& satellite) {
  const uint8_t* name = record + kSatName;
  if (std::find(name, name + kSatNameField, 0) == name + kSatNameField) return false;
  satellite.name = ReadFixedText(name, kSatNameField);
  satellite.motorIndex = record[kSatMotorIndex];
  satellite.position = version >= kPositionVersion
                           ? static_cast<int16_t>(ReadU16LE(record + kSatPosition))
                           : int16_t{0};
  for (size_t k = 0; k < satellite.predefined.size(); ++k) {
    PresetPredefinedChannel& channel = satellite.predefined[k];
    const uint8_t* p = record + kSatPredefined + k * predefined::kSize;
    channel.frequency = ReadU16LE(p + predefined::kFrequency);
    channel.symbolRate = ReadU16LE(p + predefined::kSymbolRate);
    channel.polarization = ReadU16LE(p + predefined::kPolarization);
    channel.videoPid = ReadU16LE(p + predefined::kVideoPid);
    channel.audioPid = ReadU16LE(p + predefined::kAudioPid);
    channel.pcrPid = ReadU16LE(p + predefined::kPcrPid);
    channel.name = ReadFixedText(p + predefined::kName, predefined::kNameWidth);
  }
  return true;
}

PresetTransponder ReadTransponder(const uint8_t* record) {
  return {ReadU16LE(record + kTpFrequency), ReadU16LE(record + kTpSymbolRate),
          record[kTpSatellite], record[kTpFec], record[kTpPolarization]};
}

}  // namespace

std::vector<uint8_t> EncodePresetData(const PresetContent& content) {
  DataWriter writer(SatelliteRecordSize(content.version));
  uint8_t* head = writer.Append(kSignatureBase + kSignaturePlace + kSignatureSize);
  CopyText(head, kDataTag);
  WriteU32LE(head + kSignaturePlaceOffset, kSignaturePlace);
  CopyText(head + kSignatureBase + kSignaturePlace, kSignature);
  WriteTestSection(writer);

  writer.SectionHeader(kPresetSectionTitle,
                       {static_cast<uint32_t>(content.antennas.size()),
                        static_cast<uint32_t>(content.satellites.size()),
                        static_cast<uint32_t>(content.transponders.size()), 0});
  for (size_t i = 0; i < content.antennas.size(); ++i)
    WriteAntenna(writer.Append(kAntRecordSize), static_cast<uint8_t>(i), content.antennas[i]);
  for (const PresetSatellite& satellite : content.satellites)
    WriteSatellite(writer.SatelliteRecord(), satellite, content.version);
  for (const PresetTransponder& transponder : content.transponders)
    WriteTransponder(writer.Append(kTpRecordSize), transponder);
  return writer.Take();
}

bool DecodePresetData(std::span<const uint8_t> data, uint32_t version, PresetContent& out) {
  const size_t satelliteSize = SatelliteRecordSize(version);
  if (data.size() < kSignatureBase || !std::equal(kDataTag.begin(), kDataTag.end(), data.begin()))
    return false;
  const uint64_t signature = kSignatureBase + uint64_t{ReadU32LE(&data[kSignaturePlaceOffset])};
  if (!SignatureAt(data, signature)) return false;

  const uint64_t first = signature + kSignatureSize;
  if (first > data.size() || data.size() - first < kSectionHeaderSize) return false;
  if (!HasStars(&data[first])) return false;
  const uint64_t second =
      first + kSectionHeaderSize + RecordBytes(ReadCounts(&data[first]), satelliteSize);
  if (second > data.size() || data.size() - second < kSectionHeaderSize) return false;
  if (!HasStars(&data[second])) return false;
  const SectionCounts counts = ReadCounts(&data[second]);
  if (RecordBytes(counts, satelliteSize) > data.size() - second - kSectionHeaderSize) return false;

  const uint8_t* record = &data[second + kSectionHeaderSize];
  out.version = version;
  out.antennas.clear();
  out.satellites.clear();
  out.transponders.clear();
  for (uint32_t i = 0; i < counts.antennas; ++i, record += kAntRecordSize)
    if (i < kSatelliteCount) out.antennas.push_back(ReadAntenna(record));
  for (uint32_t i = 0; i < counts.satellites; ++i, record += satelliteSize) {
    if (i >= kSatelliteCount) continue;
    PresetSatellite satellite;
    if (!ReadSatellite(record, version, satellite)) return false;
    out.satellites.push_back(std::move(satellite));
  }
  out.transponders.reserve(counts.transponders);
  for (uint32_t i = 0; i < counts.transponders; ++i, record += kTpRecordSize)
    out.transponders.push_back(ReadTransponder(record));
  return true;
}

}  // namespace vq
